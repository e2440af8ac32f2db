#include "app/qt/focus_ring_painter.h"

#include "app/focus_ring.h"
#include "app/qt/qt_colour.h"

namespace tarvel::view {

void paintFocusRing(QPainter& painter, const QRect& box, int inset) {
    constexpr int w = focus_ring::kLineDip;
    for (const focus_ring::Line& line : focus_ring::linesAt(inset)) {
        const QRect r = box.adjusted(line.inset, line.inset, -line.inset, -line.inset);
        if (r.width() < 2 * w || r.height() < 2 * w) continue;
        const QColor colour = toQColor(line.colour);
        // Filled strips, not a pen: a pen's line straddles its path.
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
        painter.fillRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w), colour);
        painter.fillRect(QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w), colour);
    }
}

}  // namespace tarvel::view
