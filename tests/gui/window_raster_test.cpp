// The page's pixels of the window's drawing (app/web/window_raster.h)
// against the window's own painting, pixel for pixel, at the pixel ratios
// of common screens: lines of every direction and place, and the whole
// drawing of a channel with fading frames.

#include "app/web/window_raster.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>
#include <string>

#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "app/qt/window_drawing.h"
#include "app/user_actions.h"

namespace tarvel::web {
namespace {

constexpr double kRatios[] = {1, 1.5, 2, 3};
constexpr QRgb kPaper = qRgb(255, 255, 255);

QImage paper(int widthDip, int heightDip, double ratio) {
    QImage image(static_cast<int>(std::ceil(widthDip * ratio)),
                 static_cast<int>(std::ceil(heightDip * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kPaper);
    return image;
}

void fill(QImage& image, const std::vector<PixelRect>& rects, QRgb colour) {
    for (const PixelRect& r : rects) {
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                if (image.rect().contains(x, y)) image.setPixel(x, y, colour);
            }
        }
    }
}

// "" when alike; else how many pixels differ and where the first one is.
std::string difference(const QImage& painted, const QImage& rastered) {
    int count = 0;
    std::string first;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            if (painted.pixel(x, y) == rastered.pixel(x, y)) continue;
            if (count++ == 0) {
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") painted " +
                        QColor(painted.pixel(x, y)).name().toStdString();
            }
        }
    }
    return count ? std::to_string(count) + " pixels differ, first at " + first : "";
}

struct Line {
    double x1, y1, x2, y2;
    int width;
};

std::string describe(const Line& l, double ratio) {
    return "line (" + std::to_string(l.x1) + ", " + std::to_string(l.y1) + ") to (" +
           std::to_string(l.x2) + ", " + std::to_string(l.y2) + "), " + std::to_string(l.width) +
           " wide, ratio " + std::to_string(ratio);
}

// Impulse lines (upright, from a marker's middle down to the delay axis),
// the axes and arrow heads, level lines, any slant, and a line of no length.
Line randomLine(std::mt19937& random, int n) {
    std::uniform_real_distribution<double> at(8, 52);
    const int width = n % 2 ? 5 : 3;
    const double whole = std::round(at(random));
    switch (n % 6) {
        case 0:
            return {whole, at(random), whole, 56, width};
        case 1: {
            const double x = at(random);
            return {x, at(random), x, std::round(at(random)), width};
        }
        case 2: {
            const double y = at(random);
            return {at(random), y, std::round(at(random)), y, width};
        }
        case 3: {
            const double length = std::round(at(random) / 4);
            return {whole, whole, whole + length, whole - length, width};
        }
        case 4:
            return {at(random), at(random), at(random), at(random), width};
        default:
            return {whole, whole, whole, whole, width};
    }
}

TEST(WindowRaster, LinesHaveThePixelsTheWindowPaints) {
    std::mt19937 random(20240611);
    for (const double ratio : kRatios) {
        for (int n = 0; n < 240; ++n) {
            const Line line = randomLine(random, n);
            QImage painted = paper(60, 60, ratio);
            {
                QPainter painter(&painted);
                painter.setRenderHint(QPainter::Antialiasing, false);
                painter.setPen(
                    QPen(Qt::black, line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                view::paintWideLine(painter, QLineF(line.x1, line.y1, line.x2, line.y2), line.width,
                                    QRegion(0, 0, 60, 60));
            }
            QImage rastered = paper(60, 60, ratio);
            fill(rastered, rasterLine(line.x1, line.y1, line.x2, line.y2, line.width, ratio),
                 qRgb(0, 0, 0));
            ASSERT_EQ(difference(painted, rastered), "") << describe(line, ratio);
        }
    }
}

TEST(WindowRaster, AFadingChannelsDrawingHasThePixelsTheWindowPaints) {
    auto form = std::make_unique<Form>();
    Form_Load(*form);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> left(600, 5000), top(400, 3800);
    for (int i : {7, 6, 5, 4}) {
        dragMarker(*form, i, static_cast<float>(left(random)) + 0.4f,
                   static_cast<float>(top(random)) + 0.7f);
        clickMarker(*form, i);
        clickMarker(*form, i);
    }
    setFadeValue(*form, 5);
    Timer1_Timer(*form);
    const view::WindowDrawing drawing = view::windowDrawingOf(*form);
    ASSERT_TRUE(form->cmdShape[7].visible);

    for (const double ratio : kRatios) {
        const int width = static_cast<int>(form->clientWidth / kTwipsPerPixel);
        const int height = static_cast<int>(form->clientHeight / kTwipsPerPixel);
        QImage painted = paper(width, height, ratio);
        {
            QPainter painter(&painted);
            view::paintWindowDrawing(painter, drawing, QRegion(0, 0, width, height));
        }
        QImage rastered = paper(width, height, ratio);
        for (const RasteredItem& item : rasterWindowDrawing(*form, ratio)) {
            const Colour colour =
                item.item.kind == DrawingKind::Frame
                    ? form->cmdShape[static_cast<std::size_t>(item.item.index)].fillColour
                    : kBlack;
            fill(rastered, item.rects, qRgb(redOf(colour), greenOf(colour), blueOf(colour)));
        }
        EXPECT_EQ(difference(painted, rastered), "") << "ratio " << ratio;
    }
}

TEST(WindowRaster, RowsOfOneSpanBecomeOneRectangle) {
    // An upright axis 3 DIP wide at a whole DIP: three columns, right of
    // the line's middle as the engine rounds, in one rectangle but for the
    // rounded ends.
    const std::vector<PixelRect> rects = rasterLine(36, 40, 36, 272, 3, 1);
    ASSERT_FALSE(rects.empty());
    int tallest = 0;
    for (const PixelRect& r : rects) {
        if (r.height > rects[static_cast<std::size_t>(tallest)].height)
            tallest = static_cast<int>(&r - rects.data());
    }
    const PixelRect& middle = rects[static_cast<std::size_t>(tallest)];
    EXPECT_EQ(middle.x, 35);
    EXPECT_EQ(middle.width, 3);
    EXPECT_GT(middle.height, 200);
}

}  // namespace
}  // namespace tarvel::web
