#pragma once
// What the window draws on its own surface, under its widgets: the axes and
// arrow heads, the paths' frames and the impulse lines, copied from the
// records so that a change shows up as a difference.

#include <QPainter>
#include <QRectF>
#include <array>

#include "app/form.h"

namespace tarvel::view {

struct WindowDrawing {
    std::array<LineShape, 6> axes{};
    std::array<FilledShape, kPathCount> frames{};
    std::array<LineShape, kPathCount> impulses{};

    bool operator==(const WindowDrawing& other) const;
};

WindowDrawing windowDrawingOf(const Form& form);

// In the order the window stacks them: axes, then frames, then impulse lines.
void paintWindowDrawing(QPainter& painter, const WindowDrawing& drawing);

// Where the visible items lie, in DIP, pens included.
QRectF boundsOf(const WindowDrawing& drawing);

}  // namespace tarvel::view
