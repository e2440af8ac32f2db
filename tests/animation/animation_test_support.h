#pragma once
// Helpers shared by the animation tests: a surface that records what it is
// given, and paths switched on the way the editor leaves them.

#include <memory>
#include <vector>

#include "app/form.h"
#include "support/started_form.h"
#include "app/surface.h"
#include "paths/path_state.h"

namespace tarvel::test_support {

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

    std::vector<Segment> segments;
    Colour colour = kBlack;
    int clears = 0;
    int colourChanges = 0;
};

using testing::startedForm;

// Marker and frame at (left, top), in the path's colour; the analysis is then
// out of date, as after any edit.
inline void switchOn(Form& form, int index, float left, float top) {
    CommandButton& marker = form.cmdSource[static_cast<std::size_t>(index)];
    FilledShape& frame = form.cmdShape[static_cast<std::size_t>(index)];
    marker.backColour = form.state.lPathColour[static_cast<std::size_t>(index)];
    marker.left = frame.left = left;
    marker.top = frame.top = top;
    endPathEdit(form);
}

constexpr int kSegmentsPerEye = 31 * 386;

}  // namespace tarvel::test_support
