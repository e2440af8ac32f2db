#pragma once
// Surfaces for the tests that keep what the drawing code hands them: every
// segment with its colour, or the runs of points as they came.

#include <array>
#include <span>
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

// Keeps the runs of points handed to it, with their colours; single
// segments are runs of two.
class RunRecorder : public Surface {
  public:
    void clear() override {
        runs.clear();
        colours.clear();
    }
    void setColour(Colour c) override { colour = c; }
    void line(float x1, float y1, float x2, float y2) override {
        polyline(std::array<float, 4>{x1, y1, x2, y2});
    }
    void polyline(std::span<const float> xy) override {
        runs.emplace_back(xy.begin(), xy.end());
        colours.push_back(colour);
    }
    std::vector<std::vector<float>> runs;
    std::vector<Colour> colours;
    Colour colour = kBlack;
};

// An eye diagram draws 31 traces of 386 segments each.
constexpr int kSegmentsPerEye = 31 * 386;

}  // namespace tarvel::testing
