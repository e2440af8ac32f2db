#pragma once
// What a surface was told to draw since it was last cleared, kept so that
// the drawing can be made again at another pixel ratio, exactly as it would
// have been drawn there. A record that would outgrow its limit is given up
// until the next clear (an eye diagram gathering traces for minutes); its
// surface then carries its old pixels over instead.

#include <cstddef>
#include <span>
#include <vector>

#include "app/colour.h"

namespace tarvel::pixels {

class DrawingRecord {
  public:
    // Floats kept at most, 1 MB: a tick of eight paths' eyes fits four
    // times. Reserved at once, so that drawing never allocates.
    static constexpr std::size_t kLimit = std::size_t{1} << 18;

    DrawingRecord() { ops_.reserve(kLimit); }

    // A clear: the drawing starts afresh on `background` with pen `pen`.
    void restart(Colour background, Colour pen);
    void setColour(Colour colour);
    void setBackground(Colour colour);
    void line(float x1, float y1, float x2, float y2);
    void polyline(std::span<const float> xy);

    bool complete() const { return complete_; }
    Colour background() const { return background_; }

    // Tells `target` (setBackground, setColour, line, polyline) all of it
    // again, from the pen of the last clear on.
    template <typename Target>
    void replay(Target& target) const;

  private:
    enum Op { kColour, kBackground, kLine, kPolyline };
    bool room(std::size_t floats);

    // Each operation: its Op, then its numbers; a colour (below 2^24) is
    // exact as a float, a polyline gives its float count first.
    std::vector<float> ops_;
    Colour background_ = kWhite;
    Colour pen_ = kBlack;
    bool complete_ = true;
};

template <typename Target>
void DrawingRecord::replay(Target& target) const {
    target.setColour(pen_);
    for (std::size_t k = 0; k < ops_.size();) {
        switch (static_cast<Op>(ops_[k])) {
            case kColour:
                target.setColour(static_cast<Colour>(ops_[k + 1]));
                k += 2;
                break;
            case kBackground:
                target.setBackground(static_cast<Colour>(ops_[k + 1]));
                k += 2;
                break;
            case kLine:
                target.line(ops_[k + 1], ops_[k + 2], ops_[k + 3], ops_[k + 4]);
                k += 5;
                break;
            case kPolyline: {
                const auto count = static_cast<std::size_t>(ops_[k + 1]);
                target.polyline(std::span<const float>(ops_.data() + k + 2, count));
                k += 2 + count;
                break;
            }
        }
    }
}

}  // namespace tarvel::pixels
