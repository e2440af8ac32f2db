#include "display/plot_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/calc_channel.h"
#include "app/user_actions.h"
#include "support/path_placement.h"
#include "support/recording_surface.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::placePath;
using testing::RecordingSurface;
using testing::Segment;
using testing::startedForm;

constexpr Colour kGreen = RGB(0, 128, 0);
constexpr int kBinsDrawn = 554;
constexpr float kTolerance = 2e-3f;  // twips; float positions near 9000 twips

class PlotSpectrumTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = startedForm();
        form->picSpectrum.attach(&surface);
        W = form->picSpectrum.innerWidth();
        H = form->picSpectrum.innerHeight();
    }

    void plot(const BinVector& spectrum) { PlotSpectrum(*form, spectrum, form->picSpectrum); }

    // Where bin k of a power value belongs, from the plot's stated scales.
    double expectedX(int k) const { return k * W * 7.4 / 4096; }
    double expectedY(double power, bool linear, int rangeValue) const {
        const int r = 21 - rangeValue;
        if (linear) return H - power * H * r / 6.25;
        if (power <= 0) return H;
        return H / 2 - 10 * std::log10(power) * H * r / 31.25;
    }

    // The trace starts at the bottom-left corner and visits every bin in order.
    void expectTrace(const std::vector<Segment>& trace, const BinVector& spectrum, bool linear,
                     int rangeValue, float drop = 0) {
        ASSERT_EQ(trace.size(), static_cast<std::size_t>(kBinsDrawn));
        double x0 = 0;
        double y0 = H;
        for (int k = 0; k < kBinsDrawn; ++k) {
            const Segment& s = trace[static_cast<std::size_t>(k)];
            const double x = expectedX(k);
            const double y = expectedY(spectrum[static_cast<std::size_t>(k)], linear, rangeValue);
            ASSERT_NEAR(s.x1, x0, kTolerance) << "bin " << k;
            ASSERT_NEAR(s.y1, y0 + drop, kTolerance) << "bin " << k;
            ASSERT_NEAR(s.x2, x, kTolerance) << "bin " << k;
            ASSERT_NEAR(s.y2, y + drop, kTolerance) << "bin " << k;
            x0 = x;
            y0 = y;
        }
    }

    // The black trace is drawn twice per bin: the line, then one pixel lower.
    std::pair<std::vector<Segment>, std::vector<Segment>> blackStrokes() const {
        std::vector<Segment> upper, lower;
        const std::vector<Segment> black = surface.ofColour(kBlack);
        for (std::size_t i = 0; i < black.size(); ++i)
            (i % 2 == 0 ? upper : lower).push_back(black[i]);
        return {upper, lower};
    }

    std::unique_ptr<Form> form;
    RecordingSurface surface;
    double W = 0;
    double H = 0;
};

BinVector filled(double power) {
    BinVector spectrum{};
    for (int k = 0; k <= kPoints; ++k) spectrum[static_cast<std::size_t>(k)] = power;
    return spectrum;
}

BinVector varied() {
    BinVector spectrum{};
    for (int k = 0; k < kPoints; ++k) {
        spectrum[static_cast<std::size_t>(k)] = 0.02 + 0.03 * ((k * 7) % 41);
    }
    return spectrum;
}

TEST_F(PlotSpectrumTest, FlatUnitPowerAtStartIsALineAtMidHeight) {
    ASSERT_EQ(form->chkLinear.value, 0);
    ASSERT_EQ(form->vscSpectrumRange.value, 20);
    plot(filled(1.0));
    ASSERT_EQ(surface.segments.size(), 2u * kBinsDrawn);
    EXPECT_TRUE(surface.ofColour(kGreen).empty());
    const auto [upper, lower] = blackStrokes();
    EXPECT_FLOAT_EQ(upper[0].y1, static_cast<float>(H));  // rises from the bottom edge
    EXPECT_EQ(upper[0].x2, 0.0f);
    for (std::size_t k = 0; k < upper.size(); ++k) {
        ASSERT_FLOAT_EQ(upper[k].y2, static_cast<float>(H / 2));
        ASSERT_FLOAT_EQ(lower[k].y2, static_cast<float>(H / 2 + 15));
    }
    EXPECT_NEAR(upper.back().x2, 0.99907 * W, 1.0);

    plot(filled(10.0));
    EXPECT_NEAR(blackStrokes().first.back().y2, H / 2 - 0.32 * H, 1e-3);
}

TEST_F(PlotSpectrumTest, MapsEveryBinInBothModesAcrossTheRange) {
    const BinVector spectrum = varied();
    for (int linear : {0, 1}) {
        for (int rangeValue : {20, 13, 0}) {
            form->chkLinear.value = linear;
            form->vscSpectrumRange.value = rangeValue;
            plot(spectrum);
            SCOPED_TRACE(::testing::Message() << "linear " << linear << " range " << rangeValue);
            ASSERT_EQ(surface.segments.size(), 2u * kBinsDrawn);
            const auto [upper, lower] = blackStrokes();
            expectTrace(upper, spectrum, linear == 1, rangeValue);
            expectTrace(lower, spectrum, linear == 1, rangeValue, 15);
        }
    }
}

TEST_F(PlotSpectrumTest, TopEdgeIsReachedWhereTheRangeSaysAtBothEnds) {
    struct Case {
        int linear, rangeValue;
        double power;
    };
    for (const Case c :
         {Case{1, 20, 6.25}, Case{1, 0, 6.25 / 21}, Case{0, 20, std::pow(10.0, 1.5625)},
          Case{0, 0, std::pow(10.0, 1.5625 / 21)}}) {
        form->chkLinear.value = c.linear;
        form->vscSpectrumRange.value = c.rangeValue;
        plot(filled(c.power));
        EXPECT_NEAR(blackStrokes().first.back().y2, 0.0, kTolerance)
            << "linear " << c.linear << " range " << c.rangeValue;
    }
}

TEST_F(PlotSpectrumTest, BinsWithoutPowerLieOnTheBottomEdgeInTheLogMode) {
    BinVector spectrum = filled(1.0);
    spectrum[5] = 0;
    spectrum[6] = -1;
    form->chkMemory.value = 1;
    plot(spectrum);
    const auto [upper, lower] = blackStrokes();
    const std::vector<Segment> green = surface.ofColour(kGreen);
    for (std::size_t k : {5u, 6u}) {
        EXPECT_FLOAT_EQ(upper[k].y2, static_cast<float>(H));
        EXPECT_FLOAT_EQ(lower[k].y2, static_cast<float>(H + 15));
        EXPECT_FLOAT_EQ(green[k].y2, static_cast<float>(H));
    }
    EXPECT_FLOAT_EQ(upper[7].y2, static_cast<float>(H / 2));
}

TEST_F(PlotSpectrumTest, EveryDrawingStartsFromAClearedBoxAndEndsInBlack) {
    form->chkMemory.value = 1;
    const int clearsBefore = surface.clears;
    plot(varied());
    plot(varied());
    EXPECT_EQ(surface.clears, clearsBefore + 2);
    EXPECT_EQ(surface.segments.size(), 3u * kBinsDrawn);  // one green, two black strokes
    EXPECT_EQ(surface.segments.front().colour, kGreen);   // the memory lies behind
    EXPECT_EQ(surface.colour, kBlack);
    EXPECT_EQ(form->picSpectrum.foreColour, kBlack);
}

// A loaded window with a two-path channel, driven through the plot's controls.
class SpectrumControlsTest : public PlotSpectrumTest {
  protected:
    void SetUp() override {
        PlotSpectrumTest::SetUp();
        placePath(*form, 0, 360, 2130);
        placePath(*form, 1, 1560, 1000);
        CalcChannel(*form);
    }

    void expectMemoryUnderCurrentTrace() {
        const std::vector<Segment> green = surface.ofColour(kGreen);
        const auto upper = blackStrokes().first;
        ASSERT_EQ(green.size(), upper.size());
        for (std::size_t k = 0; k < green.size(); ++k) {
            ASSERT_EQ(green[k].x2, upper[k].x2) << "bin " << k;
            ASSERT_EQ(green[k].y2, upper[k].y2) << "bin " << k;
        }
    }
};

TEST_F(SpectrumControlsTest, MemoryIsTakenUnderTheCurrentTraceInBothModes) {
    clickMemory(*form);
    EXPECT_TRUE(form->state.bMemoryHeld);
    EXPECT_EQ(form->chkMemory.captionColour, kGreen);
    for (int k = 0; k < 2048; ++k) {
        ASSERT_EQ(form->state.dMemorySpectrum[k], form->state.dPowerSpectrum[k]);
    }
    EXPECT_EQ(form->state.dMemorySpectrum[2048], 0.0);
    expectMemoryUnderCurrentTrace();  // log mode, where the memory had been drawn lower

    clickLinear(*form);
    expectMemoryUnderCurrentTrace();
}

TEST_F(SpectrumControlsTest, HeldMemoryIgnoresChannelChangesAndFollowsModeAndRange) {
    clickMemory(*form);
    const BinVector held = form->state.dMemorySpectrum;
    const std::vector<Segment> greenBefore = surface.ofColour(kGreen);

    placePath(*form, 1, 2760, 360);
    CalcChannel(*form);
    EXPECT_EQ(form->state.dMemorySpectrum, held);
    const std::vector<Segment> greenAfter = surface.ofColour(kGreen);
    ASSERT_EQ(greenAfter.size(), greenBefore.size());
    for (std::size_t k = 0; k < greenAfter.size(); ++k) {
        ASSERT_EQ(greenAfter[k].y2, greenBefore[k].y2) << "bin " << k;
    }
    EXPECT_NE(blackStrokes().first[100].y2, greenAfter[100].y2);

    clickLinear(*form);
    setRangeValue(*form, 4);
    EXPECT_TRUE(form->state.bMemoryHeld);
    expectTrace(surface.ofColour(kGreen), held, true, 4);
}

TEST_F(SpectrumControlsTest, UncheckingReleasesTheMemoryAndCheckingTakesANewOne) {
    clickMemory(*form);
    placePath(*form, 1, 2760, 360);
    CalcChannel(*form);

    clickMemory(*form);
    EXPECT_FALSE(form->state.bMemoryHeld);
    EXPECT_EQ(form->chkMemory.captionColour, kBlack);
    EXPECT_TRUE(surface.ofColour(kGreen).empty());

    clickMemory(*form);
    EXPECT_TRUE(form->state.bMemoryHeld);
    for (int k = 0; k < 2048; ++k) {
        ASSERT_EQ(form->state.dMemorySpectrum[k], form->state.dPowerSpectrum[k]);
    }
    expectMemoryUnderCurrentTrace();
}

TEST_F(SpectrumControlsTest, LinearToggleNamesTheModeAndReturnsToTheSamePicture) {
    const std::vector<Segment> logPicture = surface.segments;
    clickLinear(*form);
    EXPECT_EQ(form->chkLinear.caption, "Linear Plot");
    expectTrace(blackStrokes().first, form->state.dPowerSpectrum, true, 20);

    clickLinear(*form);
    EXPECT_EQ(form->chkLinear.caption, "Log Plot");
    ASSERT_EQ(surface.segments.size(), logPicture.size());
    for (std::size_t i = 0; i < logPicture.size(); ++i) {
        ASSERT_EQ(surface.segments[i].y2, logPicture[i].y2) << "segment " << i;
    }
}

TEST_F(SpectrumControlsTest, RangeChangeRedrawsTheCurrentChannel) {
    setRangeValue(*form, 0);
    EXPECT_TRUE(form->state.bChannelValid);
    expectTrace(blackStrokes().first, form->state.dPowerSpectrum, false, 0);
}

}  // namespace
}  // namespace tarvel
