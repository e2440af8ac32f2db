#pragma once
// A drawing surface that remembers every segment handed to it since its last
// clear, with the colour it was drawn in, so a script can dump it. Nothing is
// clipped: what lies outside the box is recorded like the rest.

#include <cstddef>
#include <vector>

#include "app/surface.h"

namespace tarvel::script {

struct RecordedSegment {
    float x1, y1, x2, y2;
    Colour colour;
};

class RecordingSurface : public Surface {
  public:
    // Beyond this many segments since the last clear (about 40 MB) the surface
    // stops keeping them, so a long run of ticks cannot exhaust the memory; a
    // later dump of it is then refused.
    static constexpr std::size_t kMaxSegments = std::size_t{1} << 21;

    void clear() override;
    void setColour(Colour colour) override { colour_ = colour; }
    void line(float x1, float y1, float x2, float y2) override;

    const std::vector<RecordedSegment>& segments() const { return segments_; }
    // False once more segments were drawn since the last clear than are kept.
    bool complete() const { return !overflowed_; }

  private:
    std::vector<RecordedSegment> segments_;
    Colour colour_ = kBlack;
    bool overflowed_ = false;
};

}  // namespace tarvel::script
