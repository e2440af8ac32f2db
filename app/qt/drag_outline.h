#pragma once
// The outline that follows the pointer while a marker is dragged.

#include <QPointF>
#include <QWidget>

namespace tarvel::view {

class DragOutline : public QWidget {
    Q_OBJECT
  public:
    explicit DragOutline(QWidget* parent);
    void centreOn(QPointF parentPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarvel::view
