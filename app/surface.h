#pragma once
// A drawing surface as the plots see it: it keeps everything drawn on it
// until cleared. Coordinates are the surface's own twips, origin at the top
// left of its inner area, y growing downwards.

#include <cstddef>
#include <span>

#include "app/colour.h"

namespace tarvel {

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
};

}  // namespace tarvel
