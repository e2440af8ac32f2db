#pragma once
// Helpers shared by the analysis tests: a started window, paths switched on
// at given frame positions, and a surface that records what is drawn on it.

#include <memory>
#include <vector>

#include "app/form.h"
#include "support/started_form.h"
#include "app/surface.h"

namespace tarvel::testing {

// Switches path i on with its marker and frame at (left, top) twips.
inline void placePath(Form& form, int i, float left, float top) {
    CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
    marker.backColour = form.state.lPathColour[static_cast<std::size_t>(i)];
    marker.left = left;
    marker.top = top;
    FilledShape& frame = form.cmdShape[static_cast<std::size_t>(i)];
    frame.left = left;
    frame.top = top;
    frame.visible = true;
}

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
    void setColour(Colour c) override { colour = c; }
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
};

}  // namespace tarvel::testing
