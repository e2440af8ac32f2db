#pragma once
// A drawing surface that remembers every segment handed to it since its last
// clear, with the colour it was drawn in: the runner dumps it, the tests read
// it. Nothing is clipped: what lies outside the box is recorded like the rest.

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

    void clear() override {
        segments.clear();
        overflowed_ = false;
        ++clears;
    }
    void setColour(Colour c) override {
        colour = c;
        ++colourChanges;
    }
    void line(float x1, float y1, float x2, float y2) override {
        if (segments.size() >= kMaxSegments) {
            overflowed_ = true;
            return;
        }
        segments.push_back({x1, y1, x2, y2, colour});
    }

    // False once more segments were drawn since the last clear than are kept.
    bool complete() const { return !overflowed_; }

    std::vector<RecordedSegment> ofColour(Colour c) const {
        std::vector<RecordedSegment> matching;
        for (const RecordedSegment& s : segments) {
            if (s.colour == c) matching.push_back(s);
        }
        return matching;
    }

    std::vector<RecordedSegment> segments;
    Colour colour = kBlack;
    int clears = 0;
    int colourChanges = 0;

  private:
    bool overflowed_ = false;
};

}  // namespace tarvel::script
