#pragma once
// A surface for the core tests that keeps every segment handed to it since
// its last clear, with the colour it was drawn in.

#include <vector>

#include "app/surface.h"

namespace tarvel::testing {

struct Segment {
    float x1, y1, x2, y2;
    Colour colour;
};

class RecordingSurface : public Surface {
  public:
    void clear() override {
        segments.clear();
        ++clears;
    }
    void setColour(Colour c) override {
        colour = c;
        ++colourChanges;
    }
    void line(float x1, float y1, float x2, float y2) override {
        segments.push_back({x1, y1, x2, y2, colour});
    }

    std::vector<Segment> ofColour(Colour c) const {
        std::vector<Segment> matching;
        for (const Segment& s : segments) {
            if (s.colour == c) matching.push_back(s);
        }
        return matching;
    }

    std::vector<Segment> segments;
    Colour colour = kBlack;
    int clears = 0;
    int colourChanges = 0;
};

}  // namespace tarvel::testing
