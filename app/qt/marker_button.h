#pragma once
// A path marker: a caption-less button whose face shows its colour. Left
// clicks and character keys are reported to the window; the right button
// starts a hand-made drag that follows the pointer until it is released.

#include <QColor>
#include <QPointF>
#include <QPushButton>

namespace tarvel::view {

class MarkerButton : public QPushButton {
    Q_OBJECT
  public:
    MarkerButton(int index, QWidget* parent);

    int index() const { return index_; }
    QColor faceColour() const { return face_; }
    void setFaceColour(const QColor& colour);

    // Follows the pointer until the right button comes up: moves and the
    // release are reported in the parent's coordinates. No grab is taken
    // (Wayland grants one to popups only): while the button is held, every
    // platform sends the moves and the release to the widget that took the
    // press, even outside the window, and those that reach other widgets of
    // the window meanwhile are taken too.
    void beginDrag();
    bool isDragging() const { return dragging_; }

    // The core's code of a button (paths/path_editing.h); 0 for any other.
    static int buttonCode(Qt::MouseButton button);

  signals:
    void mousePressedOn(int index, int buttonCode, QPointF parentPos);
    void characterTyped(int index, int characterCode);
    void dragMovedTo(QPointF parentPos);
    void dragReleasedAt(QPointF parentPos);
    void dragLost();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointF parentPos(const QMouseEvent* event) const;
    void endDrag();

    int index_;
    QColor face_;
    bool dragging_ = false;
};

}  // namespace tarvel::view
