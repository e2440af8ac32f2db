#pragma once
// Surfaces for the tests that keep what the drawing code hands them: every
// segment with its colour, or the runs of points as they came.

#include <array>
#include <span>
#include <vector>

#include "app/surface.h"
#include "tools/tarvel-script/recording_surface.h"

namespace tarvel::testing {

// The runner's recording surface serves the tests too.
using RecordingSurface = script::RecordingSurface;
using Segment = script::RecordedSegment;

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
