#include "app/pixels/line_rasteriser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "app/pixels/pixel_surface.h"
#include "app/vector_registers.h"

namespace tarvel::pixels {
namespace {

constexpr std::uint32_t kPaper = 0xFFFFFFFFu;
constexpr std::uint32_t kInk = 0xFFC00000u;

struct Canvas {
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), kPaper) {}
    PixelTarget target() { return {pixels.data(), width, height, width}; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool inked(int x, int y) const { return at(x, y) != kPaper; }
    int inkCount() const {
        int n = 0;
        for (std::uint32_t p : pixels) n += p != kPaper;
        return n;
    }
    PixelRect line(double x1, double y1, double x2, double y2, int thickness = 1) {
        return drawLine(target(), x1, y1, x2, y2, kInk, thickness);
    }
    int width, height;
    std::vector<std::uint32_t> pixels;
};

TEST(LineRasteriser, HorizontalVerticalAndDiagonalLinesSetExactlyTheirPixels) {
    Canvas h(20, 12);
    const PixelRect hr = h.line(2.0, 5.0, 10.0, 5.0);
    for (int x = 2; x <= 10; ++x) EXPECT_TRUE(h.inked(x, 5)) << x;
    EXPECT_EQ(h.inkCount(), 9);
    EXPECT_EQ(h.at(6, 5), kInk);
    EXPECT_EQ(hr.left, 2);
    EXPECT_EQ(hr.right, 11);
    EXPECT_EQ(hr.top, 5);
    EXPECT_EQ(hr.bottom, 6);

    Canvas v(12, 20);
    v.line(3.4, 14.2, 2.6, 1.0);  // upwards, slightly slanted within one column
    for (int y = 1; y <= 14; ++y) EXPECT_TRUE(v.inked(3, y)) << y;
    EXPECT_EQ(v.inkCount(), 14);

    Canvas d(12, 12);
    d.line(0.0, 0.0, 7.0, 7.0);
    for (int i = 0; i <= 7; ++i) EXPECT_TRUE(d.inked(i, i)) << i;
    EXPECT_EQ(d.inkCount(), 8);

    Canvas anti(12, 12);
    anti.line(9.0, 1.0, 1.0, 9.0);
    for (int i = 1; i <= 9; ++i) EXPECT_TRUE(anti.inked(i, 10 - i)) << i;
    EXPECT_EQ(anti.inkCount(), 9);
}

TEST(LineRasteriser, DirectionOfASegmentDoesNotChangeItsPixels) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-5.0, 35.0);
    for (int n = 0; n < 200; ++n) {
        const double x1 = coordinate(random), y1 = coordinate(random);
        const double x2 = coordinate(random), y2 = coordinate(random);
        Canvas forward(30, 30), backward(30, 30);
        forward.line(x1, y1, x2, y2);
        backward.line(x2, y2, x1, y1);
        ASSERT_EQ(forward.pixels, backward.pixels) << x1 << " " << y1 << " " << x2 << " " << y2;
    }
}

// Independent check on random slanted segments: along the major axis each
// step holds exactly one pixel, the one nearest to the ideal line there (or
// to the end point, at the two end steps), and neighbouring steps touch (an
// 8-connected line).
TEST(LineRasteriser, EveryStepHoldsThePixelUnderTheIdealLine) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(0.0, 39.49);
    for (int n = 0; n < 300; ++n) {
        const double x1 = coordinate(random), y1 = coordinate(random);
        const double x2 = coordinate(random), y2 = coordinate(random);
        Canvas c(40, 40);
        c.line(x1, y1, x2, y2);
        const bool xMajor = std::abs(x2 - x1) >= std::abs(y2 - y1);
        const double a1 = xMajor ? std::min(x1, x2) : std::min(y1, y2);
        const double a2 = xMajor ? std::max(x1, x2) : std::max(y1, y2);
        const bool firstIsOne = xMajor ? x1 <= x2 : y1 <= y2;
        const double b1 = firstIsOne ? (xMajor ? y1 : x1) : (xMajor ? y2 : x2);
        const double b2 = firstIsOne ? (xMajor ? y2 : x2) : (xMajor ? y1 : x1);
        int previous = -1;
        int steps = 0;
        for (int s = static_cast<int>(std::lround(a1)); s <= static_cast<int>(std::lround(a2));
             ++s) {
            const double at = std::clamp(static_cast<double>(s), a1, a2);
            const double ideal = a2 > a1 ? b1 + (b2 - b1) * (at - a1) / (a2 - a1) : b1;
            int found = -1, count = 0;
            for (int m = 0; m < 40; ++m) {
                if (xMajor ? c.inked(s, m) : c.inked(m, s)) {
                    found = m;
                    ++count;
                }
            }
            ASSERT_EQ(count, 1) << "step " << s << " of segment " << n;
            EXPECT_LE(std::abs(found - ideal), 0.5 + 1e-9) << "step " << s;
            if (previous >= 0) {
                EXPECT_LE(std::abs(found - previous), 1);
            }
            previous = found;
            ++steps;
        }
        EXPECT_EQ(c.inkCount(), steps);
    }
}

// Clipping must not bend a line: what a small target shows is exactly the
// matching window of the same line drawn on a large one.
TEST(LineRasteriser, ClippedLineIsTheWindowOfTheUnclippedOne) {
    constexpr int kOffset = 100;
    std::mt19937 random(5);
    std::uniform_real_distribution<double> coordinate(-60.0, 90.0);
    for (int thickness = 1; thickness <= 2; ++thickness) {
        for (int n = 0; n < 400; ++n) {
            const double x1 = coordinate(random), y1 = coordinate(random);
            const double x2 = coordinate(random), y2 = coordinate(random);
            Canvas small(40, 30), large(300, 300);
            const PixelRect touched = small.line(x1, y1, x2, y2, thickness);
            large.line(x1 + kOffset, y1 + kOffset, x2 + kOffset, y2 + kOffset, thickness);
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 40; ++x) {
                    ASSERT_EQ(small.inked(x, y), large.inked(x + kOffset, y + kOffset))
                        << "pixel " << x << "," << y << " of segment " << n;
                    if (small.inked(x, y)) {
                        EXPECT_TRUE(x >= touched.left && x < touched.right && y >= touched.top &&
                                    y < touched.bottom);
                    }
                }
            }
        }
    }
}

TEST(LineRasteriser, SegmentsOutsideOrNotFiniteDrawNothing) {
    Canvas c(30, 20);
    EXPECT_TRUE(c.line(-40.0, 3.0, -0.6, 15.0).isEmpty());    // left of the target
    EXPECT_TRUE(c.line(29.5, 3.0, 90.0, 15.0).isEmpty());     // nearer to pixel 30 than 29
    EXPECT_TRUE(c.line(2.0, -9.0, 25.0, -0.6).isEmpty());     // above
    EXPECT_TRUE(c.line(2.0, 20.0, 25.0, 29.0).isEmpty());     // below
    EXPECT_TRUE(c.line(-20.0, 10.0, 10.0, -20.0).isEmpty());  // passes by the corner
    EXPECT_TRUE(c.line(NAN, 3.0, 10.0, 3.0).isEmpty());
    EXPECT_TRUE(c.line(1.0, 3.0, 10.0, INFINITY).isEmpty());
    EXPECT_TRUE(c.line(-INFINITY, 3.0, INFINITY, 3.0).isEmpty());
    EXPECT_EQ(c.inkCount(), 0);

    // Far-away end points still draw the part that crosses the target.
    c.line(-1e7, 4.2, 1e7, 4.2);
    for (int x = 0; x < 30; ++x) EXPECT_TRUE(c.inked(x, 4)) << x;
    c.line(12.25, 1e9, 12.25, -1e9);
    for (int y = 0; y < 20; ++y) EXPECT_TRUE(c.inked(12, y)) << y;
    EXPECT_EQ(c.inkCount(), 30 + 20 - 1);
}

TEST(LineRasteriser, PointSegmentSetsOnePixelInTheGivenColour) {
    Canvas c(10, 10);
    drawLine(c.target(), 4.6, 7.2, 4.6, 7.2, 0xFF123456u, 1);
    EXPECT_EQ(c.at(5, 7), 0xFF123456u);
    EXPECT_EQ(c.inkCount(), 1);
}

TEST(LineRasteriser, ThicknessTwoWidensAcrossTheLineToTheRightAndDown) {
    Canvas h(20, 20);
    h.line(2.0, 10.0, 12.0, 10.0, 2);
    for (int x = 2; x <= 12; ++x) {
        EXPECT_TRUE(h.inked(x, 10) && h.inked(x, 11)) << x;
    }
    EXPECT_EQ(h.inkCount(), 22);

    Canvas v(20, 20);
    v.line(6.0, 3.0, 6.0, 9.0, 2);
    for (int y = 3; y <= 9; ++y) EXPECT_TRUE(v.inked(6, y) && v.inked(7, y)) << y;
    EXPECT_EQ(v.inkCount(), 14);

    // At the bottom edge the second row is cut off.
    Canvas edge(10, 10);
    edge.line(0.0, 9.0, 9.0, 9.0, 2);
    EXPECT_EQ(edge.inkCount(), 10);
}

TEST(LineRasteriser, WritesOnlyInsideARowStride) {
    // A target that is a 10 x 5 window of a 16-pixel-wide buffer.
    std::vector<std::uint32_t> buffer(16 * 5, kPaper);
    const PixelTarget window{buffer.data(), 10, 5, 16};
    drawLine(window, -3.0, 2.0, 40.0, 2.0, kInk, 2);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool expected = x < 10 && (y == 2 || y == 3);
            EXPECT_EQ(buffer[static_cast<std::size_t>(y * 16 + x)] == kInk, expected)
                << x << "," << y;
        }
    }
}

// What a surface reports as changed is what the screen repaints, and a clear
// must wipe all that was drawn: eye-like runs (four segments to a register
// or one at a time) and spectrum-like single segments whose heights differ
// from one band of columns to the next, at either ratio.
TEST(PixelSurface, ChangedRectanglesHoldEveryPixelDrawnAndClearWipesIt) {
    std::mt19937 engine(3);
    std::uniform_real_distribution<float> height(200.0f, 1600.0f);
    const auto pack = [](Colour c) { return static_cast<std::uint32_t>(c); };
    for (bool wide : {true, false}) {
        allowWideRegisters(wide);
        for (double ratio : {1.0, 2.0}) {
            const int width = static_cast<int>(200 * ratio);
            const int rows = static_cast<int>(120 * ratio);
            std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * rows));
            PixelSurface surface(pack);
            surface.bind({pixels.data(), width, rows, width}, ratio);
            surface.takeChanged();
            for (int trace = 0; trace < 20; ++trace) {
                surface.setColour(trace % 2 ? kBlack : RGB(0, 0, 200));
                const std::vector<std::uint32_t> before = pixels;
                // Steps of 3.6 DIP, as an eye trace's middle, ending anywhere.
                std::vector<float> run;
                const float end = 2900 - height(engine);  // inside the box's 3000 twips
                for (float x = 30; x < end; x += 54) run.insert(run.end(), {x, height(engine)});
                if (trace % 2) {
                    surface.polyline(run);
                } else {
                    for (std::size_t k = 2; k < run.size(); k += 2) {
                        surface.line(run[k - 2], run[k - 1] / 4, run[k], run[k + 1] / 4);
                    }
                }
                std::vector<PixelRect> changed;
                surface.takeChanged([&](const PixelRect& rect) { changed.push_back(rect); });
                for (int y = 0; y < rows; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const std::size_t i = static_cast<std::size_t>(y * width + x);
                        if (pixels[i] == before[i]) continue;
                        const bool reported =
                            std::any_of(changed.begin(), changed.end(), [&](const PixelRect& r) {
                                return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                            });
                        ASSERT_TRUE(reported)
                            << x << "," << y << " ratio " << ratio << (wide ? " wide" : " narrow");
                    }
                }
            }
            surface.clear();
            surface.settle();
            EXPECT_EQ(std::count(pixels.begin(), pixels.end(), pack(kWhite)),
                      static_cast<std::ptrdiff_t>(pixels.size()))
                << "ratio " << ratio;
        }
    }
    allowWideRegisters(true);
}

// The pixels of a box of 200 x 120 DIP at a ratio.
struct Buffer {
    explicit Buffer(double ratio)
        : width(devicePixels(200, ratio)),
          height(devicePixels(120, ratio)),
          pixels(static_cast<std::size_t>(width * height)) {}
    PixelTarget target() { return {pixels.data(), width, height, width}; }
    int width, height;
    std::vector<std::uint32_t> pixels;
};

// A trace from beyond the box's left edge to beyond its right one.
std::vector<float> waveAcrossTheBox() {
    std::vector<float> wave;
    for (float x = -100; x < 3100; x += 40)
        wave.insert(wave.end(), {x, 900 + 700 * std::sin(x / 300)});
    return wave;
}

// A picture box moved to another pixel ratio (the page's form scaled or
// zoomed, a window moved to another screen) shows just what it would had it
// been drawn there, and a clear still wipes it all. A drawing too long to
// keep comes over as pixels instead, its thin trace unbroken as it shrinks.
TEST(PixelSurface, RebindShowsTheDrawingAsIfDrawnAtTheNewRatio) {
    const auto pack = [](Colour c) { return static_cast<std::uint32_t>(c); };
    constexpr Colour kPaleBackground = RGB(250, 250, 244);
    const std::vector<float> wave = waveAcrossTheBox();
    const auto draw = [&](PixelSurface& surface) {
        surface.setColour(RGB(0, 0, 200));
        surface.line(0, 0, 3000, 1800);
        surface.clear();
        surface.setBackground(kPaleBackground);
        surface.setColour(kBlack);
        surface.polyline(wave);
        surface.line(100, 1700, 2900, 100);
    };
    for (const auto& [from, to] : {std::pair{1.0, 2.0}, {3.0, 1.2277}, {2.0, 0.6}}) {
        Buffer before(from), moved(to), direct(to);
        PixelSurface surface(pack), reference(pack);
        surface.bind(before.target(), from);
        draw(surface);
        surface.rebind(moved.target(), to);
        reference.bind(direct.target(), to);
        draw(reference);
        surface.settle();
        reference.settle();
        EXPECT_EQ(moved.pixels, direct.pixels) << from << " to " << to;
        surface.clear();
        surface.settle();
        EXPECT_EQ(std::count(moved.pixels.begin(), moved.pixels.end(), pack(kPaleBackground)),
                  static_cast<std::ptrdiff_t>(moved.pixels.size()));
    }

    // An eye diagram gathering the same trace over and over outgrows the record.
    Buffer before(1.0), moved(0.55);
    PixelSurface surface(pack);
    surface.bind(before.target(), 1.0);
    for (std::size_t floats = 0; floats <= DrawingRecord::kLimit; floats += wave.size()) {
        surface.polyline(wave);
    }
    surface.rebind(moved.target(), 0.55);
    surface.settle();
    std::vector<int> lastRows;
    for (int x = 0; x < moved.width; ++x) {
        std::vector<int> rows;
        for (int y = 0; y < moved.height; ++y) {
            if (moved.pixels[static_cast<std::size_t>(y * moved.width + x)] != pack(kWhite)) {
                rows.push_back(y);
            }
        }
        ASSERT_FALSE(rows.empty()) << "column " << x;
        const bool touches =
            x == 0 || std::any_of(rows.begin(), rows.end(), [&](int y) {
                return std::any_of(lastRows.begin(), lastRows.end(),
                                   [y](int last) { return std::abs(y - last) <= 1; });
            });
        ASSERT_TRUE(touches) << "column " << x;
        lastRows = rows;
    }
}

// An eye box gathers traces until its record overflows; a move to another
// ratio then carries its pixels over. A click on the box (a clear) must
// still wipe every one of them, and the drawing after it is kept afresh:
// the next move shows it sharp, just as drawn at the new ratio.
TEST(PixelSurface, ARecordThatOverflowedOnceIsSharpAgainAfterAClear) {
    const auto pack = [](Colour c) { return static_cast<std::uint32_t>(c); };
    const std::vector<float> wave = waveAcrossTheBox();
    const auto drawAfterTheClear = [&](PixelSurface& surface) {
        surface.setColour(RGB(0, 0, 200));
        surface.polyline(wave);
        surface.line(100, 1700, 2900, 100);
    };

    Buffer first(1.0), second(0.55), third(2.0), direct(2.0);
    PixelSurface surface(pack);
    surface.bind(first.target(), 1.0);
    for (std::size_t floats = 0; floats <= DrawingRecord::kLimit; floats += wave.size()) {
        surface.polyline(wave);
    }
    surface.rebind(second.target(), 0.55);
    surface.clear();
    surface.settle();
    EXPECT_EQ(std::count(second.pixels.begin(), second.pixels.end(), pack(kWhite)),
              static_cast<std::ptrdiff_t>(second.pixels.size()))
        << "traces carried over outlive the clear";

    drawAfterTheClear(surface);
    surface.rebind(third.target(), 2.0);
    surface.settle();
    PixelSurface reference(pack);
    reference.bind(direct.target(), 2.0);
    drawAfterTheClear(reference);
    reference.settle();
    EXPECT_EQ(third.pixels, direct.pixels) << "carried over, not drawn again";
}

}  // namespace
}  // namespace tarvel::pixels
