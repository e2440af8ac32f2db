// Editing paths through the window: clicks, keys and the hand-made
// right-button drag reach the core and the widgets follow the records.

#include <QApplication>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest/QTest>

#include "app/qt/drag_outline.h"
#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "paths/path_state.h"
#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

class Form1Editing : public WindowTest {};

TEST_F(Form1Editing, TwoLeftClicksSwitchAMarkerOnAndOneOnlySelectsIt) {
    MarkerButton* marker = window->marker(7);
    click(marker);
    EXPECT_FALSE(isPathOn(form(), 7));
    EXPECT_EQ(form().cmdSource[7].tag, "37");
    click(marker);
    EXPECT_TRUE(isPathOn(form(), 7));
    EXPECT_EQ(marker->faceColour(), QColor(64, 128, 64));  // path 7's colour
    EXPECT_FALSE(form().state.bChannelValid);
}

TEST_F(Form1Editing, RightDragDropsTheMarkerOnTheGrid) {
    MarkerButton* marker = window->marker(7);
    press(marker, Qt::RightButton);
    EXPECT_EQ(form().dragSource, 7);
    // Pointer at window (100, 133.3) DIP = twips (1500, 2000).
    const QPoint target = marker->mapFrom(window.get(), QPoint(100, 133));
    moveTo(marker, target);
    auto* outline = window->findChild<DragOutline*>();
    ASSERT_NE(outline, nullptr);
    EXPECT_TRUE(outline->isVisible());
    EXPECT_EQ(outline->geometry().center(), QPoint(100, 133));  // follows the pointer
    EXPECT_EQ(outline->size(), QSize(25, 25));
    EXPECT_EQ(marker->geometry(), QRect(24, 260, 25, 25));  // nothing moves before the drop

    release(marker, Qt::RightButton, target);
    EXPECT_FALSE(form().dragSource.has_value());
    EXPECT_EQ(form().cmdSource[7].left, 1200.0f);
    EXPECT_EQ(form().cmdSource[7].top, 1860.0f);
    EXPECT_EQ(marker->geometry(), QRect(80, 124, 25, 25));
    EXPECT_FALSE(outline->isVisible());
}

// A drag as the platform delivers it: press, moves and release all arrive at
// the window, the release far from the marker. No explicit grab may be
// taken (Wayland refuses one to all but popups, with a warning): while the
// button is held the marker that took the press gets the rest.
TEST_F(Form1Editing, RightDragThroughTheWindowTakesNoGrab) {
    QWindow* handle = window->windowHandle();
    QTest::mousePress(handle, Qt::RightButton, {}, QPoint(36, 272));  // the parked stack
    EXPECT_EQ(form().dragSource, 7);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseMove(handle, QPoint(60, 200));
    QTest::mouseMove(handle, QPoint(100, 133));
    EXPECT_EQ(window->findChild<DragOutline*>()->geometry().center(), QPoint(100, 133));
    QTest::mouseRelease(handle, Qt::RightButton, {}, QPoint(100, 133));
    EXPECT_FALSE(form().dragSource.has_value());
    EXPECT_EQ(window->marker(7)->geometry(), QRect(80, 124, 25, 25));
    EXPECT_FALSE(window->marker(7)->isDragging());
}

// A left click while the right button drags a marker changes nothing: the
// drag goes on, and the right button's release drops the marker. The click
// reaches the marker, which holds the pointer while a button is down, or,
// once a popup has taken that hold, the widget under the pointer.
TEST_F(Form1Editing, ALeftClickDuringARightDragNeitherDropsNorMovesTheMarker) {
    MarkerButton* marker = window->marker(7);
    auto* outline = window->findChild<DragOutline*>();
    ASSERT_NE(outline, nullptr);
    const auto stillDragged = [&](QPoint pointer, QRect before, float beforeLeft) {
        EXPECT_EQ(form().dragSource, 7);
        EXPECT_TRUE(marker->isDragging());
        EXPECT_TRUE(outline->isVisible());
        EXPECT_EQ(outline->geometry().center(), pointer);
        EXPECT_EQ(marker->geometry(), before);
        EXPECT_EQ(form().cmdSource[7].left, beforeLeft);
    };
    const auto dropped = [&](QRect at) {
        EXPECT_FALSE(form().dragSource.has_value());
        EXPECT_FALSE(marker->isDragging());
        EXPECT_FALSE(outline->isVisible());
        EXPECT_EQ(marker->geometry(), at);
    };

    {
        SCOPED_TRACE("the click through the window, to the marker");
        const QPoint grid(100, 133);  // twips (1500, 2000), as in the drop above
        QWindow* handle = window->windowHandle();
        QTest::mousePress(handle, Qt::RightButton, {}, QPoint(36, 272));
        QTest::mouseMove(handle, grid);
        QTest::mousePress(handle, Qt::LeftButton, {}, grid);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grid);
        stillDragged(grid, QRect(24, 260, 25, 25), 360.0f);
        QTest::mouseRelease(handle, Qt::RightButton, {}, grid);
        dropped(QRect(80, 124, 25, 25));
    }
    {
        // The events as they come once a popup opened mid-drag has taken the
        // marker's hold on the pointer: to the widgets under it, here an eye
        // box, which must not take the click, then the form.
        SCOPED_TRACE("the click on another widget");
        ImageSurface* eyes = window->surface(ControlKind::PicIndividual);
        QSignalSpy eyeClicks(eyes, &ImageSurface::clicked);
        const QPoint point(200, 100);
        ASSERT_EQ(window->childAt(point), nullptr);  // the form's own surface
        press(marker, Qt::RightButton);
        moveTo(eyes, eyes->rect().center());
        press(eyes, Qt::LeftButton);
        release(eyes, Qt::LeftButton);
        EXPECT_EQ(eyeClicks.count(), 0);
        moveTo(window.get(), point);
        stillDragged(point, QRect(80, 124, 25, 25), 1200.0f);
        release(window.get(), Qt::RightButton, point);
        dropped(QRect(184, 84, 25, 25));
    }
}

TEST_F(Form1Editing, ReleaseOverALabelOrTheMarkerItselfChangesNothing) {
    dragMarker(7, QPoint(100, 340));  // on "Mean Delay"
    EXPECT_EQ(form().cmdSource[7].left, 360.0f);
    EXPECT_EQ(form().cmdSource[7].top, 3900.0f);
    EXPECT_EQ(form().cmdSource[7].tag, "");
    dragMarker(7, QPoint(30, 270));  // let go without leaving the marker
    EXPECT_EQ(form().cmdSource[7].left, 360.0f);
    EXPECT_EQ(form().cmdSource[7].tag, "");
    EXPECT_EQ(window->marker(7)->geometry(), QRect(24, 260, 25, 25));
    EXPECT_FALSE(form().dragSource.has_value());
}

TEST_F(Form1Editing, ClicksOnTheParkingStackReachTheTopMarkerFirst) {
    const QPoint stack(36, 272);
    EXPECT_EQ(window->childAt(stack), window->marker(7));
    click(window->childAt(stack));
    EXPECT_EQ(form().cmdSource[7].tag, "37");
    dragMarker(7, QPoint(200, 100));
    EXPECT_EQ(window->childAt(stack), window->marker(6));
    click(window->childAt(stack));
    EXPECT_EQ(form().cmdSource[6].tag, "37");
}

TEST_F(Form1Editing, CharacterKeysMoveTheFocusedMarker) {
    MarkerButton* marker = window->marker(7);
    marker->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return marker->hasFocus(); }, 1000));
    QTest::keyClick(marker, 'u');
    EXPECT_EQ(form().cmdSource[7].top, 3780.0f);
    EXPECT_EQ(marker->geometry(), QRect(24, 252, 25, 25));
    QTest::keyClick(marker, Qt::Key_R, Qt::ShiftModifier);  // "R"
    EXPECT_EQ(form().cmdSource[7].left, 480.0f);
    EXPECT_EQ(marker->geometry(), QRect(32, 252, 25, 25));
    QTest::keyClick(marker, Qt::Key_Left);  // no character: nothing happens
    EXPECT_EQ(form().cmdSource[7].left, 480.0f);
}

TEST_F(Form1Editing, SpaceClicksTheFocusedMarkerOncePerPress) {
    MarkerButton* marker = window->marker(7);
    marker->setFocus();
    QTest::keyClick(marker, Qt::Key_Space);
    EXPECT_FALSE(isPathOn(form(), 7));  // selected only
    EXPECT_EQ(form().cmdSource[7].tag, "37");
    QTest::keyClick(marker, Qt::Key_Space);
    EXPECT_TRUE(isPathOn(form(), 7));
}

TEST_F(Form1Editing, ADragEndsWithNoDropWhenFadingHidesTheMarker) {
    MarkerButton* marker = window->marker(7);
    click(marker);
    click(marker);
    form().hscFade.value = 5;  // the speed is read by the next tick
    press(marker, Qt::RightButton);
    ASSERT_TRUE(marker->isDragging());
    window->tick();
    EXPECT_TRUE(marker->isHidden());
    EXPECT_FALSE(marker->isDragging());
    EXPECT_FALSE(form().dragSource.has_value());
    EXPECT_FALSE(window->findChild<DragOutline*>()->isVisible());
}

TEST_F(Form1Editing, TheWindowCanCloseWhileAMarkerIsDragged) {
    press(window->marker(7), Qt::RightButton);
    ASSERT_TRUE(window->marker(7)->isDragging());
    window.reset();  // its markers hide after its records are gone
}

TEST_F(Form1Editing, HiddenMarkersGetNoEventsAndReappearAtTheirPlace) {
    form().cmdSource[3].visible = false;
    window->syncFromCore();
    EXPECT_TRUE(window->marker(3)->isHidden());
    form().cmdSource[3].visible = true;
    form().cmdSource[3].left = 1000.5f;
    window->syncFromCore();
    EXPECT_FALSE(window->marker(3)->isHidden());
    EXPECT_EQ(window->marker(3)->geometry(), QRect(67, 260, 25, 25));
}

}  // namespace
}  // namespace tarvel::view::test
