#pragma once
// What the window draws on its own surface, under its widgets: the axes and
// arrow heads, the paths' frames and the impulse lines, copied from the
// records so that a change shows up as a difference.

#include <QPainter>
#include <QRegion>
#include <array>

#include "app/form.h"

namespace tarvel::view {

struct WindowDrawing {
    std::array<LineShape, kAxisCount> axes{};  // Line1 .. Line6
    std::array<FilledShape, kPathCount> frames{};
    std::array<LineShape, kPathCount> impulses{};

    bool operator==(const WindowDrawing& other) const;
};

WindowDrawing windowDrawingOf(const Form& form);

// In the core's drawing order (kDrawingOrder), bottom first; only those
// that reach into `exposed`, in DIP.
void paintWindowDrawing(QPainter& painter, const WindowDrawing& drawing, const QRegion& exposed);

// A line in DIP with the painter's pen (round caps, `width` DIP wide),
// pixel for pixel as painter.drawLine() paints it inside `exposed` (the
// painter's clip), only faster when the line is upright or level.
void paintWideLine(QPainter& painter, const QLineF& line, int width, const QRegion& exposed);

// Where the items that differ lie, before and after, in DIP, pens included:
// all that needs repainting when the drawing changes from one to the other.
QRegion changedRegion(const WindowDrawing& before, const WindowDrawing& after);

}  // namespace tarvel::view
