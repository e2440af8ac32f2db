#include "tests/gui/window_fixture.h"

#include <QApplication>
#include <QScreen>
#include <QtTest/QTest>
#include <algorithm>

#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"

namespace tarvel::view::test {
namespace {

QStringList recordedWarnings;

// Messages of the platform set-up that say nothing about the program (the
// offscreen platform has no pointer grab; the widgets' own grab still works).
bool isEnvironmentNoise(const QString& message) {
    return message.contains(QLatin1String("XDG_RUNTIME_DIR")) ||
           message.contains(QLatin1String("propagateSizeHints")) ||
           message.contains(QLatin1String("does not support grabbing the mouse"));
}

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || isEnvironmentNoise(message)) return;
    recordedWarnings << message;
    fprintf(stderr, "Qt: %s\n", qPrintable(message));
}

}  // namespace

void installWarningRecorder() {
    qInstallMessageHandler(recordWarning);
}

QStringList takeWarnings() {
    QStringList taken;
    taken.swap(recordedWarnings);
    return taken;
}

QRect dipRectOfTwips(float left, float top, float width, float height) {
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

bool screenCanBeRead() {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

void showActive(QWidget* window) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // A Wayland client cannot activate its own window: the compositor
    // activates the one a seat's input goes to, and a headless Weston has no
    // seat. There the test stands in for the compositor.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(window->isActiveWindow());
        return;
    }
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void WindowTest::SetUp() {
    takeWarnings();
    window = std::make_unique<Form1>();
    showActive(window.get());
}

void WindowTest::TearDown() {
    // Qt remembers held buttons process-wide; a widget that accepts every
    // release stands in for one that has gone.
    ImageSurface sink(QSize(4, 4));
    for (const Held& h : held_) QTest::mouseRelease(h.widget ? h.widget.data() : &sink, h.button);
    held_.clear();
    window.reset();
    EXPECT_EQ(takeWarnings().join(QLatin1Char('\n')).toStdString(), "");
}

// What the screen shows: pending repaints run first, so a change that the
// window forgot to repaint shows up as a stale picture.
QImage WindowTest::snapshot() {
    QCoreApplication::processEvents();
    return window->screen()->grabWindow(window->winId()).toImage();
}

void WindowTest::press(QWidget* widget, Qt::MouseButton button, QPoint pos) {
    QTest::mousePress(widget, button, {}, pos);
    held_.push_back({widget, button});
}

void WindowTest::moveTo(QWidget* widget, QPoint pos) {
    QTest::mouseMove(widget, pos);
}

void WindowTest::release(QWidget* widget, Qt::MouseButton button, QPoint pos) {
    QTest::mouseRelease(widget, button, {}, pos);
    held_.erase(std::remove_if(held_.begin(), held_.end(),
                               [button](const Held& h) { return h.button == button; }),
                held_.end());
}

void WindowTest::click(QWidget* widget, QPoint pos) {
    press(widget, Qt::LeftButton, pos);
    release(widget, Qt::LeftButton, pos);
}

void WindowTest::dragMarker(int index, QPoint windowPoint) {
    MarkerButton* marker = window->marker(index);
    const QPoint inMarker = marker->mapFrom(window.get(), windowPoint);
    press(marker, Qt::RightButton);
    moveTo(marker, inMarker);
    release(marker, Qt::RightButton, inMarker);
}

}  // namespace tarvel::view::test
