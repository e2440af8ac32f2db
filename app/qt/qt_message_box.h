#pragma once
// The window's message box: information, OK only, titled like the window.
// Shown with open() so that nothing waits in a nested event loop.

#include <QPointer>
#include <QWidget>

#include "app/message_box.h"

namespace tarvel::view {

class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
    void show(std::string_view text) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace tarvel::view
