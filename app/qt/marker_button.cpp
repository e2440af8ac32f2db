#include "app/qt/marker_button.h"

#include <qdrawutil.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/focus_ring.h"
#include "app/qt/focus_ring_painter.h"
#include "paths/path_editing.h"

namespace tarvel::view {
namespace {

constexpr char16_t kLastCharacterCode = 255;

// The character code of a key, when it has one of 0 .. 255.
int characterCodeOf(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).unicode() > kLastCharacterCode) return -1;
    return text.at(0).unicode();
}

}  // namespace

MarkerButton::MarkerButton(int index, QWidget* parent) : QPushButton(parent), index_(index) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

int MarkerButton::buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return tarvel::buttonCode(MouseButton::Left);
        case Qt::RightButton:
            return tarvel::buttonCode(MouseButton::Right);
        case Qt::MiddleButton:
            return tarvel::buttonCode(MouseButton::Middle);
        default:
            return 0;
    }
}

void MarkerButton::setFaceColour(const QColor& colour) {
    if (colour == face_) return;
    face_ = colour;
    update();
}

void MarkerButton::beginDrag() {
    dragging_ = true;
    QCoreApplication::instance()->installEventFilter(this);
}

void MarkerButton::endDrag() {
    dragging_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
}

// A popup that opens mid-drag (a key can open the symbol list) ends the
// press's hold on the pointer: the moves and the release then go to the
// widget under the pointer, and the drag follows them there. A release in
// another window (the popup) ends the drag with no drop.
bool MarkerButton::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == this || !watched->isWidgetType() ||
        (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)) {
        return false;
    }
    const auto* widget = static_cast<QWidget*>(watched);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool rightReleased =
        type == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton;
    if (widget->window() != window()) {
        if (rightReleased) {
            endDrag();
            emit dragLost();
        }
        return false;
    }
    const QPointF at =
        parentWidget()->mapFrom(window(), widget->mapTo(window(), mouse->position()));
    if (type == QEvent::MouseMove) {
        emit dragMovedTo(at);
    } else if (rightReleased) {
        endDrag();
        emit dragReleasedAt(at);
    }
    return true;
}

QPointF MarkerButton::parentPos(const QMouseEvent* event) const {
    return mapTo(parentWidget(), event->position());
}

void MarkerButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), face_);
    qDrawWinButton(&painter, rect(), palette(), isDown(), nullptr);
    if (hasFocus()) paintFocusRing(painter, rect(), focus_ring::kMarkerInset);
}

void MarkerButton::mousePressEvent(QMouseEvent* event) {
    // The left button presses the button face and clicks on release.
    if (event->button() == Qt::LeftButton && !dragging_) {
        QPushButton::mousePressEvent(event);
    } else {
        event->accept();
    }
    emit mousePressedOn(index_, buttonCode(event->button()), parentPos(event));
}

void MarkerButton::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    event->accept();
    emit dragMovedTo(parentPos(event));
}

void MarkerButton::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() != Qt::RightButton) return;
    endDrag();
    emit dragReleasedAt(parentPos(event));
}

// Character keys go to the window as they are; the button's own activation
// by space or enter must not run on top (the window clicks on space itself).
void MarkerButton::keyPressEvent(QKeyEvent* event) {
    const int code = characterCodeOf(event);
    if (code < 0) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    emit characterTyped(index_, code);
}

void MarkerButton::keyReleaseEvent(QKeyEvent* event) {
    if (characterCodeOf(event) < 0) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
}

void MarkerButton::hideEvent(QHideEvent* event) {
    if (dragging_) {
        endDrag();
        emit dragLost();
    }
    QPushButton::hideEvent(event);
}

}  // namespace tarvel::view
