#pragma once
// A shown, active main window for each test, mouse helpers that remember
// which buttons they hold (so that TearDown can let go of them), and a
// recorder of Qt's warnings.

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/qt/form1.h"

namespace tarvel::view::test {

void installWarningRecorder();
// Warnings and errors Qt reported since the last call.
QStringList takeWarnings();

// The expected widget rectangle of a control record, in DIP.
QRect dipRectOfTwips(float left, float top, float width, float height);

// Wayland gives a client no way to read back the screen (a window grab comes
// back empty): the tests that judge what reached the screen run elsewhere.
bool screenCanBeRead();
#define SKIP_WHERE_THE_SCREEN_CANNOT_BE_READ()    \
    if (!::tarvel::view::test::screenCanBeRead()) \
    GTEST_SKIP() << "a Wayland client cannot read back the screen"

// Shows the window and makes it the active one.
void showActive(QWidget* window);

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    Form& form() { return window->form(); }
    QImage snapshot();

    // Mouse actions, tracked so a failed test never leaves a button down.
    void press(QWidget* widget, Qt::MouseButton button, QPoint pos = {});
    void moveTo(QWidget* widget, QPoint pos);
    void release(QWidget* widget, Qt::MouseButton button, QPoint pos = {});
    void click(QWidget* widget, QPoint pos = {});

    // A right-button drag of a marker, released at a point of the window.
    void dragMarker(int index, QPoint windowPoint);

    std::unique_ptr<Form1> window;

  private:
    struct Held {
        QPointer<QWidget> widget;
        Qt::MouseButton button;
    };
    std::vector<Held> held_;
};

}  // namespace tarvel::view::test
