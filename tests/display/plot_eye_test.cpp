#include "display/plot_eye.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

#include "support/recording_surface.h"

namespace tarvel {
namespace {

using testing::kSegmentsPerEye;
using testing::RecordingSurface;
using testing::Segment;

constexpr float kW = 1290;  // inner size of the test box
constexpr float kH = 1000;

struct EyeBox {
    EyeBox() {
        box.width = kW + 2 * PictureBox::kBorder;
        box.height = kH + 2 * PictureBox::kBorder;
        box.attach(&surface);
    }
    RecordingSurface surface;
    PictureBox box;
};

std::unique_ptr<ComplexVector> waveform(double (*real)(int), double imaginary) {
    auto data = std::make_unique<ComplexVector>();
    for (int n = 0; n <= kComplexBound / 2 - 1; ++n) {
        (*data)[2 * n] = real(n);
        (*data)[2 * n + 1] = imaginary;
    }
    return data;
}

double wobble(int n) {
    return std::sin(0.37 * n) * 1.8 + 0.001 * n;
}

TEST(PlotEye, AddsThirtyOneTracesOf386SegmentsWithoutClearingOrRecolouring) {
    EyeBox eye;
    eye.box.setForeColour(RGB(0, 0, 192));
    const int colourChanges = eye.surface.colourChanges;
    const auto data = waveform(wobble, 0);

    PlotEye(1.0, *data, eye.box, 1.5, 0);
    PlotEye(1.0, *data, eye.box, 1.5, 0);

    EXPECT_EQ(eye.surface.segments.size(), 2u * kSegmentsPerEye);
    EXPECT_EQ(eye.box.linesSinceClear, 2u * kSegmentsPerEye);
    EXPECT_EQ(eye.surface.clears, 0);
    EXPECT_EQ(eye.surface.colourChanges, colourChanges);
    for (const auto& s : eye.surface.segments) ASSERT_EQ(s.colour, RGB(0, 0, 192));
}

// Every segment joins sample n = 64 i + j - iShift to the next one, at the
// positions of the closed-form mapping; checked for each symbol time and shift.
TEST(PlotEye, EachSegmentJoinsConsecutiveSamplesAtTheirMappedPositions) {
    const auto data = waveform(wobble, 1e6);  // imaginary parts must not matter
    for (double symbolTime : {0.5, 1.0, 2.0}) {
        for (int shift : {0, 10, -7, 486}) {
            for (double scale : {1.5, 0.4}) {
                EyeBox eye;
                PlotEye(symbolTime, *data, eye.box, scale, static_cast<std::int16_t>(shift));
                ASSERT_EQ(eye.surface.segments.size(), static_cast<std::size_t>(kSegmentsPerEye));
                const double step = kW / (128 / symbolTime + 1);
                const auto yOf = [&](int n) { return kH / 2 - wobble(n) * 0.35 * kH / scale; };
                for (int k = 0; k < kSegmentsPerEye; ++k) {
                    const int i = 17 + k / 386;
                    const int j = k % 386;
                    const int n = 64 * i + j - shift;
                    const Segment& s = eye.surface.segments[k];
                    SCOPED_TRACE(::testing::Message()
                                 << "T " << symbolTime << " shift " << shift << " segment " << k);
                    ASSERT_NEAR(s.x1, (j - 32) * step, 1e-3);
                    ASSERT_NEAR(s.x2, (j + 1 - 32) * step, 1e-3);
                    ASSERT_NEAR(s.y1, yOf(n), 1e-3);
                    ASSERT_NEAR(s.y2, yOf(n + 1), 1e-3);
                }
            }
        }
    }
}

double constantOneAndHalf(int) {
    return 1.5;
}
double zero(int) {
    return 0;
}

TEST(PlotEye, VerticalScaleFollowsTheScaleFactor) {
    const auto level = waveform(constantOneAndHalf, -3);
    const auto flat = waveform(zero, 5);
    EyeBox atScale, doubled, centre;
    PlotEye(1.0, *level, atScale.box, 1.5, 0);
    PlotEye(1.0, *level, doubled.box, 3.0, 0);
    PlotEye(1.0, *flat, centre.box, 1.5, 0);
    for (int k = 0; k < kSegmentsPerEye; ++k) {
        ASSERT_NEAR(atScale.surface.segments[k].y1, kH / 2 - 0.35 * kH, 1e-3);
        ASSERT_NEAR(atScale.surface.segments[k].y2, kH / 2 - 0.35 * kH, 1e-3);
        ASSERT_NEAR(doubled.surface.segments[k].y1, kH / 2 - 0.175 * kH, 1e-3);
        ASSERT_EQ(centre.surface.segments[k].y1, kH / 2);
        ASSERT_EQ(centre.surface.segments[k].y2, kH / 2);
    }
}

// Marks every symbol instant (each 64th sample) and collects where the marks land.
double symbolInstants(int n) {
    return n % 64 == 0 ? 1.0 : 0.0;
}

std::set<long> markedColumns(const RecordingSurface& surface) {
    std::set<long> columns;
    for (const auto& s : surface.segments) {
        if (s.y1 < kH / 2) columns.insert(std::lround(s.x1 * 1000));
    }
    return columns;
}

TEST(PlotEye, SymbolInstantsFallAtTheEyeOpeningsAndMoveRightWithTheShift) {
    const auto marks = waveform(symbolInstants, 0);
    EyeBox unshifted, shifted;
    PlotEye(1.0, *marks, unshifted.box, 1.5, 0);
    PlotEye(1.0, *marks, shifted.box, 1.5, 10);

    std::set<long> expected, expectedShifted;
    for (int j = 0; j < 386; ++j) {
        if (j % 64 == 0) expected.insert(std::lround((j - 32) * kW / 129.0 * 1000));
        if ((j - 10) % 64 == 0) expectedShifted.insert(std::lround((j - 32) * kW / 129.0 * 1000));
    }
    EXPECT_EQ(markedColumns(unshifted.surface), expected);
    EXPECT_EQ(markedColumns(shifted.surface), expectedShifted);
    // The openings inside the box: 32 W / 129 and 96 W / 129.
    EXPECT_TRUE(expected.count(std::lround(32 * kW / 129.0 * 1000)));
    EXPECT_TRUE(expected.count(std::lround(96 * kW / 129.0 * 1000)));
    EXPECT_TRUE(expectedShifted.count(std::lround(42 * kW / 129.0 * 1000)));
}

TEST(EyeSurfaceClicks, EachClearsOnlyItsOwnBox) {
    auto form = std::make_unique<Form>();
    const auto clears = [&] {
        return std::array<std::uint64_t, 3>{form->picIndividual.clears, form->picCombo.clears,
                                            form->picSumGraph.clears};
    };
    picIndividual_Click(*form);
    EXPECT_EQ(clears(), (std::array<std::uint64_t, 3>{1, 0, 0}));
    picCombo_Click(*form);
    EXPECT_EQ(clears(), (std::array<std::uint64_t, 3>{1, 1, 0}));
    picSumGraph_Click(*form);
    EXPECT_EQ(clears(), (std::array<std::uint64_t, 3>{1, 1, 1}));
    EXPECT_EQ(form->picSpectrum.clears, 0u);
}

}  // namespace
}  // namespace tarvel
