#pragma once
// A drawing surface as the plots see it: it keeps everything drawn on it
// until cleared. Coordinates are the surface's own twips, origin at the top
// left of its inner area, y growing downwards.

#include "app/colour.h"

namespace tarvel {

class Surface {
public:
    virtual ~Surface() = default;
    virtual void clear() = 0;
    virtual void setColour(Colour colour) = 0;
    virtual void line(float x1, float y1, float x2, float y2) = 0;
};

}  // namespace tarvel
