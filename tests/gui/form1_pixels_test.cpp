// What the window shows, read from a grab at computed positions (never
// over text): markers in their colours, the axes and impulse lines.

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtTest/QTest>
#include <array>

#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "app/qt/window_drawing.h"
#include "app/user_actions.h"
#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

QColor colourOf(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

class Form1Pixels : public WindowTest {
  protected:
    // Path 7 on at Left 1200, Top 1860, fading at 5 after one tick.
    void fadePathSeven() {
        dragMarker(7, QPoint(100, 133));
        click(window->marker(7));
        click(window->marker(7));
        qobject_cast<QScrollBar*>(window->widgetFor({ControlKind::HscFade, 0}))->setValue(5);
        window->tick();
    }
};

TEST_F(Form1Pixels, ParkedMarkerShowsTheFaceAndTheAxesAreBlack) {
    SKIP_WHERE_THE_SCREEN_CANNOT_BE_READ();
    const QImage shot = snapshot();
    ASSERT_EQ(shot.size(), QSize(953, 701));
    const QColor face = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(shot.pixelColor(36, 272), face);                // centre of the parking stack
    EXPECT_EQ(shot.pixelColor(36, 150), QColor(Qt::black));   // power axis, x 540 twips
    EXPECT_EQ(shot.pixelColor(200, 272), QColor(Qt::black));  // delay axis, y 4080 twips
    EXPECT_EQ(shot.pixelColor(36, 45), QColor(Qt::black));    // under the arrow head's tip
    EXPECT_EQ(shot.pixelColor(200, 150), face);               // the empty diagram
}

TEST_F(Form1Pixels, PlotTogglesLieAboveTheSpectrumBox) {
    SKIP_WHERE_THE_SCREEN_CANNOT_BE_READ();
    // The toggles overlap the top of the white spectrum box; a point near
    // their lower edge must show the toggle, not the box.
    const QImage shot = snapshot();
    const QColor white(Qt::white);
    for (ControlKind toggle : {ControlKind::ChkLinear, ControlKind::ChkMemory}) {
        QWidget* widget = window->widgetFor({toggle, 0});
        ASSERT_TRUE(widget->isVisible());
        const QPoint nearLowerLeft = widget->geometry().bottomLeft() + QPoint(4, -4);
        EXPECT_NE(shot.pixelColor(nearLowerLeft), white);
        EXPECT_EQ(window->childAt(widget->geometry().center()), widget);
    }
}

TEST_F(Form1Pixels, SwitchedOnMarkerShowsItsColourAndItsImpulseLine) {
    SKIP_WHERE_THE_SCREEN_CANNOT_BE_READ();
    dragMarker(7, QPoint(100, 133));  // the marker goes to Left 1200, Top 1860
    ASSERT_EQ(window->marker(7)->geometry(), QRect(80, 124, 25, 25));
    const QPoint lineBelowMarker(92, 200);  // x (1200 + 187.5) / 15, between marker and axis
    EXPECT_EQ(snapshot().pixelColor(lineBelowMarker), window->palette().color(QPalette::Window));

    click(window->marker(7));
    click(window->marker(7));
    const QImage shot = snapshot();
    EXPECT_EQ(shot.pixelColor(92, 136), colourOf(form().state.lPathColour[7]));
    EXPECT_EQ(shot.pixelColor(lineBelowMarker), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(90, 200), QColor(Qt::black));  // five pixels wide
    EXPECT_EQ(shot.pixelColor(94, 200), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(97, 200), QColor(Qt::black));

    // Off again: the line goes, the face returns.
    click(window->marker(7));
    click(window->marker(7));
    const QImage off = snapshot();
    EXPECT_EQ(off.pixelColor(92, 136), QApplication::palette().color(QPalette::Button));
    EXPECT_NE(off.pixelColor(lineBelowMarker), QColor(Qt::black));
}

TEST_F(Form1Pixels, FadingShowsTheFrameInPlaceOfTheMarker) {
    SKIP_WHERE_THE_SCREEN_CANNOT_BE_READ();
    fadePathSeven();

    const FilledShape& frame = form().cmdShape[7];
    ASSERT_TRUE(frame.visible);
    EXPECT_TRUE(window->marker(7)->isHidden());
    const QPoint frameCentre(qRound((frame.left + 187.5) / 15), qRound((frame.top + 187.5) / 15));
    EXPECT_EQ(snapshot().pixelColor(frameCentre), colourOf(frame.fillColour));

    // Fading off: the marker returns and the frame is gone from the window.
    qobject_cast<QScrollBar*>(window->widgetFor({ControlKind::HscFade, 0}))->setValue(0);
    EXPECT_FALSE(window->marker(7)->isHidden());
    EXPECT_FALSE(form().cmdShape[7].visible);
    if (!window->marker(7)->geometry().contains(frameCentre)) {
        EXPECT_NE(snapshot().pixelColor(frameCentre), colourOf(frame.fillColour));
    }
}

// The arrow heads and axes Line1 .. Line6: every end exactly where the
// layout puts it (a pixel's move shows nowhere else), then the lines drawn
// there, at points of each line that no control covers.
TEST_F(Form1Pixels, AxesAndArrowHeadsAreDrawnWhereTheLayoutPutsThem) {
    using Ends = std::array<float, 4>;  // x1, y1, x2, y2 in twips
    const std::array<Ends, kAxisCount> endsInTwips{{{540, 600, 540, 4080},
                                                    {540, 4080, 5460, 4080},
                                                    {5460, 4080, 5220, 3840},
                                                    {5220, 4320, 5460, 4080},
                                                    {300, 840, 540, 600},
                                                    {780, 840, 540, 600}}};
    for (int a = 0; a < kAxisCount; ++a) {
        const LineShape& axis = form().axis(a);
        EXPECT_EQ((Ends{axis.x1, axis.y1, axis.x2, axis.y2}),
                  endsInTwips[static_cast<std::size_t>(a)])
            << "Line" << a + 1;
        EXPECT_EQ(axis.widthPx, 3);
        EXPECT_TRUE(axis.visible);
    }
    SKIP_WHERE_THE_SCREEN_CANNOT_BE_READ();
    const QImage shot = snapshot();
    for (const Ends& ends : endsInTwips) {
        const QLineF line(ends[0], ends[1], ends[2], ends[3]);
        int seen = 0;
        for (const double t : {0.2, 0.35, 0.5, 0.65, 0.8}) {
            const QPointF p = line.pointAt(t) / 15;
            const QPoint pixel(static_cast<int>(p.x()), static_cast<int>(p.y()));
            if (window->childAt(pixel) != nullptr) continue;
            EXPECT_EQ(shot.pixelColor(pixel), QColor(Qt::black)) << line.p1().x() << " " << t;
            ++seen;
        }
        EXPECT_GT(seen, 0) << "line from " << line.p1().x() << ", " << line.p1().y();
    }
}

// Only what changed is repainted; a frame that fading lifts above the axes
// and lets down again must leave nothing behind, as a full repaint shows.
TEST_F(Form1Pixels, PartialRepaintLeavesNoStalePixelsOutsideTheAxes) {
    SKIP_WHERE_THE_SCREEN_CANNOT_BE_READ();
    fadePathSeven();
    FilledShape& frame = form().cmdShape[7];
    ASSERT_TRUE(frame.visible);

    frame.top = 120;  // as high as fading goes: wholly above the power axis's tip
    window->syncFromCore();
    const QPoint highCentre(qRound((frame.left + 187.5) / 15), qRound((120 + 187.5) / 15));
    ASSERT_EQ(snapshot().pixelColor(highCentre), colourOf(frame.fillColour));

    frame.top = 2400;
    window->syncFromCore();
    const QImage partial = snapshot();
    window->update();
    const QImage full = snapshot();
    EXPECT_NE(partial.pixelColor(highCentre), colourOf(frame.fillColour));
    EXPECT_EQ(partial, full);
}

TEST_F(Form1Pixels, EyeSurfaceShowsTheStartUpTraceAndEmptiesOnAClick) {
    ImageSurface* eye = window->surface(ControlKind::PicIndividual);
    auto inked = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) != Qt::white;
        }
        return n;
    };
    ASSERT_GT(form().picIndividual.linesSinceClear, 0u);  // start-up drew one tick
    EXPECT_GT(inked(eye->image()), 0);
    const auto clears = form().picIndividual.clears;
    click(eye, QPoint(100, 50));
    EXPECT_EQ(form().picIndividual.clears, clears + 1);
    EXPECT_EQ(inked(eye->image()), 0);
}

TEST_F(Form1Pixels, EnterOrSpaceOnAFocusedEyeBoxClearsItOnceOtherKeysDoNot) {
    for (ControlKind kind : {ControlKind::PicIndividual, ControlKind::PicCombo}) {
        ImageSurface* eye = window->surface(kind);
        const auto clears = form().picture(kind).clears;
        QTest::keyClick(eye, Qt::Key_R);
        QTest::keyClick(eye, Qt::Key_Space, Qt::ShiftModifier);
        EXPECT_EQ(form().picture(kind).clears, clears);
        QTest::keyClick(eye, Qt::Key_Space);
        EXPECT_EQ(form().picture(kind).clears, clears + 1);
        QTest::keyClick(eye, Qt::Key_Return);
        QTest::keyClick(eye, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(form().picture(kind).clears, clears + 3);
        // A held key repeats: the box is cleared once.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(eye, &repeat);
        EXPECT_EQ(form().picture(kind).clears, clears + 3);
    }
    const auto spectrumClears = form().picSpectrum.clears;
    QTest::keyClick(window->surface(ControlKind::PicSpectrum), Qt::Key_Space);
    EXPECT_EQ(form().picSpectrum.clears, spectrumClears);
}

// Upright and level impulse lines and axes are painted as two capped ends
// and a rectangle: the very pixels of one stroke, wherever the twips put
// them, at any ratio and either way round, and within a repaint of a piece
// of the line's middle, with or without its ends.
TEST(WideLines, PaintAsTheirStrokePixelForPixel) {
    const auto paint = [](qreal ratio, const QLineF& line, int width, const QRegion& exposed,
                          bool stroke) {
        QImage image(qRound(160 * ratio), qRound(320 * ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setClipRegion(exposed);
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (stroke) {
            painter.drawLine(line);
        } else {
            paintWideLine(painter, line, width, exposed);
        }
        return image;
    };
    const QRegion whole(0, 0, 160, 320);
    const QRegion middle = QRegion(20, 95, 100, 12) + QRegion(55, 0, 10, 320);
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        for (int width : {3, 5}) {
            for (int twips = 0; twips < 15; ++twips) {
                const double at = twips / 15.0;
                const double length = 4 + 17 * twips;  // from a stub to the whole height
                for (const QLineF& line : {QLineF(40 + at, 30 + at, 40 + at, 30 + length + 2 * at),
                                           QLineF(40 + at, 290 - at, 40 + at, 290 - length),
                                           QLineF(10 + at, 100 + at, 10 + length / 2, 100 + at),
                                           QLineF(150 - at, 60, 150 - length / 2 - at, 60)}) {
                    // Just beyond either end, where only its round cap reaches.
                    const QPointF along = (line.p2() - line.p1()) / line.length();
                    QRegion capsOnly;
                    for (const QPointF& centre : {line.p1() - 2 * along, line.p2() + 2 * along}) {
                        capsOnly += QRectF(centre - QPointF(1, 1), QSizeF(2, 2)).toAlignedRect();
                    }
                    for (const QRegion& exposed : {whole, middle, capsOnly}) {
                        ASSERT_EQ(paint(ratio, line, width, exposed, false),
                                  paint(ratio, line, width, exposed, true))
                            << "ratio " << ratio << " width " << width << " twips " << twips
                            << " line " << line.x1() << "," << line.y1() << " " << line.x2() << ","
                            << line.y2() << " exposed " << exposed.rectCount() << " rectangles";
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarvel::view::test
