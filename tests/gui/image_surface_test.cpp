#include "app/qt/image_surface.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <span>
#include <vector>

#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "app/qt/twips.h"
#include "app/user_actions.h"
#include "app/vector_registers.h"
#include "tests/gui/window_fixture.h"
#include "tests/support/recording_surface.h"

namespace tarvel::view {
namespace {

const QColor kRed(192, 0, 0);

int countPixels(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    }
    return n;
}

TEST(ImageSurface, StartsWhiteAndDrawsInTwipsAtRatioOne) {
    ImageSurface surface(QSize(40, 30), nullptr, 1.0);
    EXPECT_EQ(surface.size(), QSize(44, 34));  // the 2-pixel border on each side
    EXPECT_EQ(surface.image().size(), QSize(40, 30));
    EXPECT_EQ(countPixels(surface.image(), Qt::white), 40 * 30);

    surface.setColour(RGB(192, 0, 0));
    surface.line(30, 75, 150, 75);  // DIP (2, 5) to (10, 5)
    for (int x = 2; x <= 10; ++x) EXPECT_EQ(surface.image().pixelColor(x, 5), kRed) << x;
    EXPECT_EQ(countPixels(surface.image(), kRed), 9);

    surface.clear();
    EXPECT_EQ(countPixels(surface.image(), Qt::white), 40 * 30);

    // Each clear wipes whatever was drawn since the one before.
    surface.line(0, 0, 585, 435);
    surface.line(585, 0, 0, 435);
    surface.clear();
    surface.line(300, -100, 300, 1000);
    surface.clear();
    EXPECT_EQ(countPixels(surface.image(), Qt::white), 40 * 30);

    // A new background shows everywhere at the next clear.
    surface.setBackground(RGB(1, 2, 3));
    surface.clear();
    EXPECT_EQ(countPixels(surface.image(), QColor(1, 2, 3)), 40 * 30);
}

TEST(ImageSurface, RatioTwoKeepsLinesOneDipWide) {
    ImageSurface surface(QSize(40, 30), nullptr, 2.0);
    EXPECT_EQ(surface.image().size(), QSize(80, 60));
    EXPECT_EQ(surface.image().devicePixelRatio(), 2.0);
    surface.setColour(RGB(192, 0, 0));
    surface.line(30, 75, 150, 75);  // device (4, 10) to (20, 10)
    for (int x = 4; x <= 20; ++x) {
        EXPECT_EQ(surface.image().pixelColor(x, 10), kRed) << x;
        EXPECT_EQ(surface.image().pixelColor(x, 11), kRed) << x;
    }
    EXPECT_EQ(countPixels(surface.image(), kRed), 2 * 17);

    surface.line(300, 0, 300, 450);  // a vertical line at DIP x 20
    EXPECT_EQ(surface.image().pixelColor(40, 20), kRed);
    EXPECT_EQ(surface.image().pixelColor(41, 20), kRed);
    EXPECT_NE(surface.image().pixelColor(42, 20), kRed);
}

// At ratio 1 the surface shows what plain one-pixel painter lines show.
TEST(ImageSurface, MatchesPlainPainterLinesOnThePixelGrid) {
    ImageSurface surface(QSize(60, 40), nullptr, 1.0);
    QImage reference(60, 40, QImage::Format_RGB32);
    reference.fill(Qt::white);
    QPainter painter(&reference);
    painter.setPen(QPen(Qt::black, 0));
    const QList<QLine> lines{{3, 4, 50, 4},   {7, 2, 7, 35},     {10, 10, 30, 30},
                             {55, 5, 35, 25}, {-10, 20, 80, 20}, {20, -5, 20, 60}};
    for (const QLine& l : lines) {
        painter.drawLine(l);
        surface.line(static_cast<float>(l.x1() * 15), static_cast<float>(l.y1() * 15),
                     static_cast<float>(l.x2() * 15), static_cast<float>(l.y2() * 15));
    }
    painter.end();
    EXPECT_EQ(surface.image().convertToFormat(QImage::Format_RGB32), reference);
}

TEST(ImageSurface, PaintsItsDrawingInsideTheFrame) {
    ImageSurface surface(QSize(40, 30), nullptr, 1.0);
    surface.setColour(RGB(192, 0, 0));
    surface.line(0, 0, 0, 0);
    surface.line(39 * 15, 29 * 15, 39 * 15, 29 * 15);
    surface.flush();
    const QImage grabbed = surface.grab().toImage();
    EXPECT_EQ(grabbed.pixelColor(2, 2), kRed);
    EXPECT_EQ(grabbed.pixelColor(41, 31), kRed);
    EXPECT_EQ(grabbed.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_NE(grabbed.pixelColor(1, 1), kRed);  // the border
    // Kept until cleared: a second paint shows the same.
    EXPECT_EQ(surface.grab().toImage(), grabbed);
}

// What reaches the screen: a drawing shows after flush() asks for its repaint,
// and only then (the offscreen screen grabs what was really painted).
TEST(ImageSurface, FlushRepaintsWhatWasDrawn) {
    SKIP_WHERE_THE_SCREEN_CANNOT_BE_READ();
    ImageSurface surface(QSize(40, 30), nullptr, 1.0);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    auto onScreen = [&](QPoint p) {
        QCoreApplication::processEvents();
        return surface.screen()->grabWindow(surface.winId()).toImage().pixelColor(p);
    };
    surface.setColour(RGB(192, 0, 0));
    surface.line(150, 150, 450, 150);  // DIP (10, 10) to (30, 10)
    EXPECT_EQ(onScreen(QPoint(22, 12)), QColor(Qt::white));
    surface.flush();
    EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen(QPoint(22, 12)) == kRed; }, 2000));

    surface.clear();
    surface.flush();
    EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen(QPoint(22, 12)) == Qt::white; }, 2000));
}

TEST(ImageSurface, LeftClickOnTheBoxIsReported) {
    ImageSurface surface(QSize(40, 30), nullptr, 1.0);
    QSignalSpy clicks(&surface, &ImageSurface::clicked);
    QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&surface, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, QPoint(100, 10));  // let go outside
    EXPECT_EQ(clicks.count(), 1);
}

using tarvel::testing::RunRecorder;

void drawSegmentBySegment(ImageSurface& surface, const std::vector<float>& run) {
    for (std::size_t k = 2; k + 1 < run.size(); k += 2) {
        surface.line(run[k - 2], run[k - 1], run[k], run[k + 1]);
    }
}

constexpr std::array<ControlKind, 3> kEyes{ControlKind::PicIndividual, ControlKind::PicCombo,
                                           ControlKind::PicSumGraph};

// Loads the form and runs one tick with every path on, fading at 5.
void tickEveryPathFading(Form& form) {
    Form_Load(form);
    for (int i = 0; i < kPathCount; ++i) {
        clickMarker(form, i);
        clickMarker(form, i);
    }
    clickRandom(form);
    setFadeValue(form, 5);
    Timer1_Timer(form);
}

QSize innerDipSize(const PictureBox& box) {
    return {qRound(toDip(box.innerWidth())), qRound(toDip(box.innerHeight()))};
}

// The eye diagrams of a fading tick with every path on, drawn as runs, give
// the very picture their segments give one by one, at either ratio.
TEST(ImageSurfacePolyline, EyeTracesOfATickMatchTheirSegmentsPixelForPixel) {
    auto form = std::make_unique<Form>();
    const auto& eyes = kEyes;
    std::array<RunRecorder, 3> recorders;
    for (std::size_t k = 0; k < eyes.size(); ++k) form->picture(eyes[k]).attach(&recorders[k]);
    tickEveryPathFading(*form);

    // Both ways where the CPU has AVX2: four segments to a register, and one.
    for (bool wide : {true, false}) {
        allowWideRegisters(wide);
        for (qreal ratio : {1.0, 2.0}) {
            for (std::size_t k = 0; k < eyes.size(); ++k) {
                const PictureBox& box = form->picture(eyes[k]);
                const QSize size(qRound(toDip(box.innerWidth())), qRound(toDip(box.innerHeight())));
                ImageSurface bySegment(size, nullptr, ratio);
                ImageSurface byRun(size, nullptr, ratio);
                ASSERT_GT(recorders[k].runs.size(), 30u);
                for (const std::vector<float>& run : recorders[k].runs) {
                    drawSegmentBySegment(bySegment, run);
                    byRun.polyline(run);
                }
                EXPECT_EQ(byRun.image(), bySegment.image())
                    << "ratio " << ratio << " box " << k << (wide ? ", wide" : ", narrow");
                const int area = byRun.image().width() * byRun.image().height();
                EXPECT_LT(countPixels(byRun.image(), Qt::white), area);
                byRun.clear();
                EXPECT_EQ(countPixels(byRun.image(), Qt::white), area);
            }
        }
    }
    allowWideRegisters(true);
}

// The eye diagrams leave out the points of a trace that an image cannot
// show; the picture is still the one that all the recorded segments give.
TEST(ImageSurfacePolyline, EyesDrawnStraightIntoImagesMatchEverySegmentRecorded) {
    auto recorded = std::make_unique<Form>();
    std::array<RunRecorder, 3> recorders;
    for (std::size_t k = 0; k < kEyes.size(); ++k) {
        recorded->picture(kEyes[k]).attach(&recorders[k]);
    }
    tickEveryPathFading(*recorded);

    for (qreal ratio : {1.0, 2.0}) {
        auto drawn = std::make_unique<Form>();
        std::array<std::unique_ptr<ImageSurface>, 3> images;
        for (std::size_t k = 0; k < kEyes.size(); ++k) {
            PictureBox& box = drawn->picture(kEyes[k]);
            images[k] = std::make_unique<ImageSurface>(innerDipSize(box), nullptr, ratio);
            box.attach(images[k].get());
        }
        tickEveryPathFading(*drawn);
        for (std::size_t k = 0; k < kEyes.size(); ++k) {
            EXPECT_EQ(drawn->picture(kEyes[k]).linesSinceClear,
                      recorded->picture(kEyes[k]).linesSinceClear);
            ImageSurface bySegment(innerDipSize(recorded->picture(kEyes[k])), nullptr, ratio);
            for (std::size_t r = 0; r < recorders[k].runs.size(); ++r) {
                bySegment.setColour(recorders[k].colours[r]);
                drawSegmentBySegment(bySegment, recorders[k].runs[r]);
            }
            EXPECT_EQ(images[k]->image(), bySegment.image()) << "ratio " << ratio << " box " << k;
        }
    }
}

// Runs that double back, climb steeply, leave the box on every side, sit on
// its edges or carry values that are no numbers at all: the same pixels as
// their segments at any ratio, and a clear wipes every one of them.
TEST(ImageSurfacePolyline, AwkwardRunsMatchTheirSegmentsAndClearAway) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<std::vector<float>> runs{
        {-900, 100, -600, 200, -30, 150, 0, 0, 300, 440, 600, 30, 585, 435, 900, 50, 2000, 60},
        {500, 10, 100, 20, 120, 400, 110, -300, 140, 900, 160, 100},
        {-5e9f, 200, 5e9f, 210, 300, nan, 310, 200, inf, 10, 20, 30},
        {0, 0, 585, 0, 585, 435, 0, 435, 0, 0},
        {-100, -100, -50, -80, -20, -60, 700, 500, 800, 600, 900, 700},
        {100, 100, 100, 100, 101, 100, 101, 300},
        {-40, 200, -10, 210, 20, 220, 50, 230},
        // Runs on the same x positions, as the traces of an eye, with heights
        // that keep, then leave, the short flat steps inside the box.
        {0, 100, 40, 110, 80, 90, 120, 130, 160, 125, 200, 120, 240, 118},
        {0, 300, 40, 290, 80, 10, 120, 470, 160, -50, 200, nan, 240, 100},
        {0, 420, 40, 430, 80, 440, 120, 445, 160, 449, 200, 449, 240, 400}};
    for (bool wide : {true, false}) {
        allowWideRegisters(wide);
        for (qreal ratio : {1.0, 2.0, 3.0}) {
            ImageSurface bySegment(QSize(40, 30), nullptr, ratio);
            ImageSurface byRun(QSize(40, 30), nullptr, ratio);
            for (const std::vector<float>& run : runs) {
                drawSegmentBySegment(bySegment, run);
                byRun.polyline(run);
            }
            EXPECT_EQ(byRun.image(), bySegment.image())
                << "ratio " << ratio << (wide ? ", wide" : ", narrow");
            const int area = byRun.image().width() * byRun.image().height();
            EXPECT_LT(countPixels(byRun.image(), Qt::white), area);
            byRun.clear();
            EXPECT_EQ(countPixels(byRun.image(), Qt::white), area);
        }
    }
    allowWideRegisters(true);
}

}  // namespace
}  // namespace tarvel::view
