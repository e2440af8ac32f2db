#pragma once
// A scroll bar that shows the focus: the style draws none on a scroll bar,
// so the bar draws the core's focus ring round its edge itself.

#include <QScrollBar>

namespace tarvel::view {

class ScrollBarWithFocusRing : public QScrollBar {
  public:
    using QScrollBar::QScrollBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarvel::view
