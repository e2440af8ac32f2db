#include "app/qt/scroll_bar_with_focus_ring.h"

#include <QPainter>

#include "app/focus_ring.h"
#include "app/qt/focus_ring_painter.h"

namespace tarvel::view {

void ScrollBarWithFocusRing::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    paintFocusRing(painter, rect(), focus_ring::kEdgeInset);
}

}  // namespace tarvel::view
