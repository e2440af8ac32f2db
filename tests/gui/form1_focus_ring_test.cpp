// The focus ring as the window draws it: on a marker of any colour, pressed
// or not, inside its bevel; in place of a picture box's frame; round a
// scroll bar's edge. Read from each widget's own rendering.

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QtTest/QTest>

#include "app/focus_ring.h"
#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

const QColor kOuter(Qt::black);
const QColor kInner(Qt::white);

QImage rendered(QWidget* widget) {
    return widget->grab().toImage();
}

void focus(QWidget* widget) {
    widget->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget->hasFocus(); }, 1000));
}

class Form1FocusRing : public WindowTest {};

TEST_F(Form1FocusRing, MarkersShowItInsideTheirBevelOnEveryColourPressedOrNot) {
    MarkerButton* marker = window->marker(7);
    const int at = focus_ring::kMarkerInset;
    const int middle = marker->height() / 2;
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (const QColor colour :
         {face, QColor(0, 0, 192), QColor(192, 192, 0), QColor(64, 64, 128)}) {
        marker->setFaceColour(colour);
        marker->clearFocus();
        EXPECT_EQ(rendered(marker).pixelColor(at, middle), colour) << "no ring without the focus";
        focus(marker);
        for (const bool down : {false, true}) {
            marker->setDown(down);
            const QImage image = rendered(marker);
            const int far = marker->width() - 1 - at;
            for (const QPoint outer : {QPoint(at, middle), QPoint(far, middle), QPoint(middle, at),
                                       QPoint(middle, far)}) {
                EXPECT_EQ(image.pixelColor(outer), kOuter) << colour.name().toStdString();
            }
            EXPECT_EQ(image.pixelColor(at + 1, middle), kInner);
            EXPECT_EQ(image.pixelColor(far - 1, middle), kInner);
            EXPECT_EQ(image.pixelColor(at - 1, middle), colour) << "face between bevel and ring";
            EXPECT_EQ(image.pixelColor(middle, middle), colour);
        }
        marker->setDown(false);
    }
}

TEST_F(Form1FocusRing, APictureBoxShowsItInPlaceOfItsFrameWhileFocused) {
    ImageSurface* box = window->surface(ControlKind::PicSumGraph);
    const int middle = box->height() / 2;
    const QImage before = rendered(box);
    EXPECT_NE(before.pixelColor(0, middle), kOuter);
    focus(box);
    const QImage focused = rendered(box);
    for (const QPoint outer :
         {QPoint(0, middle), QPoint(box->width() - 1, middle), QPoint(box->width() / 2, 0),
          QPoint(box->width() / 2, box->height() - 1)}) {
        EXPECT_EQ(focused.pixelColor(outer), kOuter);
    }
    EXPECT_EQ(focused.pixelColor(1, middle), kInner);
    EXPECT_EQ(focused.pixelColor(box->width() - 2, middle), kInner);
    // The drawing inside is untouched.
    const QRect inner = box->contentsRect();
    EXPECT_EQ(focused.copy(inner), before.copy(inner));
    window->marker(0)->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !box->hasFocus(); }, 1000));
    EXPECT_EQ(rendered(box), before);
}

TEST_F(Form1FocusRing, ScrollBarsShowItRoundTheirEdge) {
    for (ControlKind kind : {ControlKind::HscFade, ControlKind::VscSpectrumRange}) {
        QWidget* bar = window->widgetFor({kind, 0});
        ASSERT_NE(qobject_cast<QScrollBar*>(bar), nullptr);
        const QPoint middle(bar->width() / 2, bar->height() / 2);
        const QImage before = rendered(bar);
        focus(bar);
        const QImage focused = rendered(bar);
        EXPECT_EQ(focused.pixelColor(0, middle.y()), kOuter);
        EXPECT_EQ(focused.pixelColor(middle.x(), bar->height() - 1), kOuter);
        EXPECT_EQ(focused.pixelColor(1, middle.y()), kInner);
        EXPECT_EQ(focused.pixelColor(middle.x(), bar->height() - 2), kInner);
        EXPECT_EQ(focused.copy(bar->rect().adjusted(2, 2, -2, -2)),
                  before.copy(bar->rect().adjusted(2, 2, -2, -2)));
    }
}

}  // namespace
}  // namespace tarvel::view::test
