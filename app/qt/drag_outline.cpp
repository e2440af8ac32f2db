#include "app/qt/drag_outline.h"

#include <QPainter>

namespace tarvel::view {
namespace {
constexpr int kOutlineWidth = 2;
}

DragOutline::DragOutline(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void DragOutline::centreOn(QPointF parentPos) {
    move((parentPos - QPointF(width(), height()) / 2).toPoint());
}

void DragOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::Dark);
    const QRect r = rect();
    painter.fillRect(r.left(), r.top(), r.width(), kOutlineWidth, ink);
    painter.fillRect(r.left(), r.bottom() - kOutlineWidth + 1, r.width(), kOutlineWidth, ink);
    painter.fillRect(r.left(), r.top(), kOutlineWidth, r.height(), ink);
    painter.fillRect(r.right() - kOutlineWidth + 1, r.top(), kOutlineWidth, r.height(), ink);
}

}  // namespace tarvel::view
