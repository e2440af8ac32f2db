#pragma once
// A drawing surface as the plots see it: it keeps everything drawn on it
// until cleared. Coordinates are the surface's own twips, origin at the top
// left of its inner area, y growing downwards.

#include <cstddef>
#include <limits>
#include <span>

#include "app/colour.h"

namespace tarvel {

// The x range, in a surface's own twips, outside which it shows nothing.
struct HorizontalReach {
    float left = -std::numeric_limits<float>::infinity();
    float right = std::numeric_limits<float>::infinity();

    static HorizontalReach nothing() {
        constexpr float kInfinity = std::numeric_limits<float>::infinity();
        return {kInfinity, -kInfinity};
    }
};

class Surface {
  public:
    virtual ~Surface() = default;
    virtual void clear() = 0;
    virtual void setColour(Colour colour) = 0;
    virtual void line(float x1, float y1, float x2, float y2) = 0;

    // A connected run of points given as x0, y0, x1, y1, ...: n points draw
    // the n - 1 segments between neighbours, in order. A surface may draw the
    // run faster than segment by segment, but never differently.
    virtual void polyline(std::span<const float> xy) {
        for (std::size_t k = 2; k + 1 < xy.size(); k += 2) {
            line(xy[k - 2], xy[k - 1], xy[k], xy[k + 1]);
        }
    }

    // A surface that only paints pixels may say where it can show anything:
    // callers may then leave out the segments of a run that lie wholly left
    // or right of that range. One that records every segment keeps the
    // default, everything.
    virtual HorizontalReach horizontalReach() const { return {}; }
};

}  // namespace tarvel
