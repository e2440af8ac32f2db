#include "app/qt/image_surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/qt/qt_colour.h"
#include "app/qt/twips.h"

namespace tarvel::view {

ImageSurface::ImageSurface(QSize innerSize, QWidget* parent, qreal fixedRatio)
    : QFrame(parent), innerSize_(innerSize), fixedRatio_(fixedRatio) {
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
    image_ = QImage(qRound(innerSize_.width() * ratio), qRound(innerSize_.height() * ratio),
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(background_);
    // RGB32 rows are 4-byte aligned: the bytes are whole pixels.
    target_ = PixelTarget{static_cast<std::uint32_t*>(static_cast<void*>(image_.bits())),
                          image_.width(), image_.height(), image_.bytesPerLine() / 4};
    twipsToPixels_ = ratio / kTwipsPerDip;
    thickness_ = std::max(1, qRound(ratio));
    constexpr float kMargin = 2.0f;  // twips; the rasteriser decides exactly
    reachLeft_ = static_cast<float>((0.5 - thickness_) / twipsToPixels_) - kMargin;
    reachTop_ = reachLeft_;
    reachRight_ = static_cast<float>(image_.width() / twipsToPixels_) + kMargin;
    reachBottom_ = static_cast<float>(image_.height() / twipsToPixels_) + kMargin;
    dirty_ = PixelRect{0, 0, image_.width(), image_.height()};
    inked_ = {};
}

void ImageSurface::setBackground(Colour colour) {
    background_ = toPixel(colour);
    inked_ = PixelRect{0, 0, image_.width(), image_.height()};  // the next clear repaints all
}

// Only what was drawn since the last clear needs wiping. A plain loop, not
// QImage::fill: after that (its stores seem to bypass the cache) the tick's
// drawing ran about three times slower in the benchmark.
void ImageSurface::clear() {
    if (inked_.isEmpty()) return;
    for (int y = inked_.top; y < inked_.bottom; ++y) {
        std::fill(target_.pixels + y * target_.stride + inked_.left,
                  target_.pixels + y * target_.stride + inked_.right, background_);
    }
    dirty_.unite(inked_);
    inked_ = {};
}

void ImageSurface::setColour(Colour colour) {
    pen_ = toPixel(colour);
}

void ImageSurface::line(float x1, float y1, float x2, float y2) {
    // Most eye-diagram segments lie beside the box: turn them away first.
    if (std::max(x1, x2) < reachLeft_ || std::min(x1, x2) > reachRight_ ||
        std::max(y1, y2) < reachTop_ || std::min(y1, y2) > reachBottom_) {
        return;
    }
    const double s = twipsToPixels_;
    const PixelRect drawn =
        drawLine(target_, static_cast<double>(x1) * s, static_cast<double>(y1) * s,
                 static_cast<double>(x2) * s, static_cast<double>(y2) * s, pen_, thickness_);
    inked_.unite(drawn);
    drawnSinceFlush_.unite(drawn);
}

// The same segments as line() one by one. The runs of segments at either
// end that lie wholly beside the box are turned away first: an eye-diagram
// trace reaches the box only in its middle third.
void ImageSurface::polyline(std::span<const float> xy) {
    std::size_t first = 0;
    std::size_t end = xy.size() / 2;  // one past the last point
    const auto leftOfBox = [&](std::size_t point) { return xy[2 * point] < reachLeft_; };
    const auto rightOfBox = [&](std::size_t point) { return xy[2 * point] > reachRight_; };
    while (first + 1 < end && leftOfBox(first) && leftOfBox(first + 1)) ++first;
    while (end > first + 1 && rightOfBox(end - 1) && rightOfBox(end - 2)) --end;
    if (end - first < 2) return;
    const PixelRect drawn =
        drawPolyline(target_, xy.data() + 2 * first, end - first, twipsToPixels_, pen_, thickness_);
    if (drawn.isEmpty()) return;
    inked_.unite(drawn);
    drawnSinceFlush_.unite(drawn);
}

void ImageSurface::flush() {
    // The image keeps the rest: only what was wiped or drawn since the last
    // request needs repainting, as one rectangle (one per segment would cost
    // more than the few pixels it saves).
    dirty_.unite(drawnSinceFlush_);
    drawnSinceFlush_ = {};
    if (dirty_.isEmpty()) return;
    // Device pixels back to DIP, rounded outwards, inside the frame.
    const int left = static_cast<int>(std::floor(dirty_.left / ratio_));
    const int top = static_cast<int>(std::floor(dirty_.top / ratio_));
    const int right = static_cast<int>(std::ceil(dirty_.right / ratio_));
    const int bottom = static_cast<int>(std::ceil(dirty_.bottom / ratio_));
    dirty_ = {};
    update(QRect(left, top, right - left, bottom - top).translated(contentsRect().topLeft()));
}

void ImageSurface::paintEvent(QPaintEvent* event) {
    // A move to a screen of another scale: start afresh at the new ratio.
    if (fixedRatio_ <= 0 && !qFuzzyCompare(devicePixelRatioF(), ratio_)) {
        createImage(devicePixelRatioF());
    }
    QPainter painter(this);
    const QRect inner = contentsRect();
    const QRect exposed = event->rect() & inner;
    if (!exposed.isEmpty()) {
        const QRectF source(QPointF(exposed.topLeft() - inner.topLeft()) * ratio_,
                            QSizeF(exposed.size()) * ratio_);
        painter.drawImage(QRectF(exposed), image_, source);
    }
    drawFrame(&painter);
}

void ImageSurface::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
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
