#include "app/qt/image_surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "app/focus_ring.h"
#include "app/qt/focus_ring_painter.h"
#include "app/qt/qt_colour.h"

namespace tarvel::view {

static_assert(2 * focus_ring::kLineDip == ImageSurface::kBorderDip,
              "the focus ring covers the frame exactly");

ImageSurface::ImageSurface(QSize innerSize, QWidget* parent, qreal fixedRatio)
    : QFrame(parent), innerSize_(innerSize), fixedRatio_(fixedRatio), pixels_(toPixel) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderDip);
    setFixedSize(innerSize + QSize(2 * kBorderDip, 2 * kBorderDip));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
    createImage(fixedRatio > 0 ? fixedRatio : devicePixelRatioF());
}

void ImageSurface::createImage(qreal ratio) {
    ratio_ = ratio;
    const QImage previous = image_;  // its pixels stay until the drawing moves over
    image_ = QImage(pixels::devicePixels(innerSize_.width(), ratio),
                    pixels::devicePixels(innerSize_.height(), ratio), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    // RGB32 rows are 4-byte aligned: the bytes are whole pixels.
    const pixels::PixelTarget target{static_cast<std::uint32_t*>(static_cast<void*>(image_.bits())),
                                     image_.width(), image_.height(), image_.bytesPerLine() / 4};
    if (previous.isNull()) {
        pixels_.bind(target, ratio);
    } else {
        pixels_.rebind(target, ratio);
    }
}

void ImageSurface::flush() {
    // Mostly one rectangle (an eye box is drawn all over): a region only
    // when there are more.
    QRect first;
    QRegion more;
    pixels_.takeChanged([&](const pixels::PixelRect& rect) {
        // Device pixels back to DIP, rounded outwards, inside the frame.
        const int left = static_cast<int>(std::floor(rect.left / ratio_));
        const int top = static_cast<int>(std::floor(rect.top / ratio_));
        const int right = static_cast<int>(std::ceil(rect.right / ratio_));
        const int bottom = static_cast<int>(std::ceil(rect.bottom / ratio_));
        const QRect changed =
            QRect(left, top, right - left, bottom - top).translated(contentsRect().topLeft());
        if (first.isEmpty()) {
            first = changed;
        } else {
            more += changed;
        }
    });
    if (more.isEmpty()) {
        if (!first.isEmpty()) update(first);
    } else {
        update(more + first);
    }
}

void ImageSurface::paintEvent(QPaintEvent* event) {
    // A move to a screen of another scale: the drawing moves to the new ratio.
    if (fixedRatio_ <= 0 && !qFuzzyCompare(devicePixelRatioF(), ratio_)) {
        createImage(devicePixelRatioF());
    }
    pixels_.settle();
    QPainter painter(this);
    const QRect inner = contentsRect();
    for (const QRect& rect : event->region()) {
        const QRect exposed = rect & inner;
        if (exposed.isEmpty()) continue;
        const QRectF source(QPointF(exposed.topLeft() - inner.topLeft()) * ratio_,
                            QSizeF(exposed.size()) * ratio_);
        painter.drawImage(QRectF(exposed), image_, source);
    }
    // A repaint of the drawing alone, as on every tick, leaves the frame be.
    // With the focus the ring stands in the frame's place (the focus change
    // repaints the whole box).
    if (inner.contains(event->rect())) return;
    if (hasFocus()) {
        paintFocusRing(painter, rect(), focus_ring::kEdgeInset);
    } else {
        drawFrame(&painter);
    }
}

void ImageSurface::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// Enter or Space on the focused box is a click, as on a button; a held key
// clicks once.
void ImageSurface::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool activates = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const Qt::KeyboardModifiers others = event->modifiers() & ~Qt::KeypadModifier;
    if (!activates || others != Qt::NoModifier) return QFrame::keyPressEvent(event);
    event->accept();
    if (!event->isAutoRepeat()) emit clicked();
}

// A click is a left press and release on the box, as on a button.
void ImageSurface::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace tarvel::view
