#include "analysis/calc_channel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>

#include "analysis/delay_statistics.h"
#include "analysis/nr_fft.h"
#include "analysis/statistic_caption.h"
#include "support/path_placement.h"
#include "support/recording_surface.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::placePath;
using testing::startedForm;

constexpr double kTwoPi = 2 * std::numbers::pi;

struct Captions {
    std::string mean, spread, bandwidth, bandwidthFifth, bandwidthFiftieth;
};

Captions captionsOf(const Form& form) {
    const auto figure = [&form](const StatisticsRow& row) { return form.lblAt[row.value].caption; };
    return {figure(kMeanDelayRow), figure(kDelaySpreadRow), figure(kBandwidth1Row),
            figure(kBandwidth02Row), figure(kBandwidth002Row)};
}

void expectCaptions(const Form& form, const Captions& expected) {
    const Captions got = captionsOf(form);
    EXPECT_EQ(got.mean, expected.mean);
    EXPECT_EQ(got.spread, expected.spread);
    EXPECT_EQ(got.bandwidth, expected.bandwidth);
    EXPECT_EQ(got.bandwidthFifth, expected.bandwidthFifth);
    EXPECT_EQ(got.bandwidthFiftieth, expected.bandwidthFiftieth);
}

void expectFlatPower(const Form& form, double power) {
    for (int k = 0; k < kPoints; ++k) {
        ASSERT_NEAR(form.state.dPowerSpectrum[k], power, 1e-12 * power) << "bin " << k;
    }
}

TEST(CalcChannel, WorkedExampleOfTwoEqualPaths) {
    auto form = startedForm();
    placePath(*form, 0, 360, 2130);
    placePath(*form, 1, 1560, 2130);
    form->state.bChannelValid = false;
    CalcChannel(*form);

    EXPECT_TRUE(form->state.bChannelValid);
    expectCaptions(*form, {"0.5", "0.5", " 2", "0.4", "0.04"});
    // Amplitudes at elements 0 and 30: complex points 0 and 15.
    for (int k = 0; k < kPoints; ++k) {
        const double expected = 2 * 0.50001 * (1 + std::cos(kTwoPi * 15 * k / 4096));
        ASSERT_NEAR(form->state.dPowerSpectrum[k], expected, 1e-12) << "bin " << k;
    }
    EXPECT_NEAR(form->state.dPowerSpectrum[0], 2.00004, 1e-12);
}

TEST(CalcChannel, SinglePathGivesAFlatResponseAndNoSpread) {
    // (left, top, caption of the delay): even and odd element indices.
    struct Case {
        float left, top;
        const char* mean;
    };
    for (const Case c : {Case{360, 2130, " 0"}, Case{420, 2130, "0.05"}, Case{1560, 360, " 1"},
                         Case{3090, 3015, " 2.27"}, Case{5220, 120, " 4.05"}}) {
        auto form = startedForm();
        placePath(*form, 3, c.left, c.top);
        CalcChannel(*form);
        const double power = (3900.0 - c.top) / 3540.0;
        SCOPED_TRACE(c.left);
        expectFlatPower(*form, power + 0.00001);
        expectCaptions(*form, {c.mean, " 0", "Inf", "Inf", "Inf"});
    }
}

TEST(CalcChannel, NoPathGivesZerosAndInfiniteBandwidth) {
    auto form = startedForm();
    CalcChannel(*form);
    for (int k = 0; k < kPoints; ++k) ASSERT_EQ(form->state.dPowerSpectrum[k], 0.0);
    for (int e = 0; e < kComplexBound; ++e) ASSERT_EQ(form->state.dPathSpectrum[e], 0.0);
    expectCaptions(*form, {" 0", " 0", "Inf", "Inf", "Inf"});
}

TEST(CalcChannel, PathsOfNoPowerStillCarryTheFloorAmplitude) {
    auto form = startedForm();
    placePath(*form, 0, 360, 3900);
    placePath(*form, 1, 2760, 3900);
    CalcChannel(*form);
    expectCaptions(*form, {" 0", " 0", "Inf", "Inf", "Inf"});
    EXPECT_NEAR(form->state.dPowerSpectrum[0], 4 * 0.00001, 1e-18);
}

TEST(CalcChannel, StatisticsOfThreeUnequalPaths) {
    // Powers 1, 0.5, 0.25 at 0, 1, 2 µs: mean 4/7, variance 26/49.
    auto form = startedForm();
    placePath(*form, 5, 360, 360);
    placePath(*form, 2, 1560, 2130);
    placePath(*form, 7, 2760, 3015);
    CalcChannel(*form);
    const double spread = std::sqrt(26.0) / 7.0;  // 0.7284...
    EXPECT_NEAR(1 / spread, 1.3728129, 1e-7);
    expectCaptions(*form, {"0.57", "0.73", " 1.37", "0.27", "0.03"});
}

TEST(CalcChannel, SpreadsOfAHundredthMicrosecondOrLessCountAsNone) {
    auto form = startedForm();
    placePath(*form, 0, 360, 2130);
    placePath(*form, 1, 372, 2130);  // 0.01 µs apart: variance 0.000025
    CalcChannel(*form);
    expectCaptions(*form, {"0.01", " 0", "Inf", "Inf", "Inf"});

    placePath(*form, 1, 408, 2130);  // 0.04 µs apart: spread 0.02
    CalcChannel(*form);
    expectCaptions(*form, {"0.02", "0.02", " 50", " 10", " 1"});
}

TEST(DelayStatistics, VarianceBoundaryIsExclusive) {
    DelayMoments atBoundary;
    atBoundary.s0 = 1;
    atBoundary.s2 = 0.0001;
    EXPECT_EQ(delayStatistics(atBoundary).delaySpread, 0.0);

    DelayMoments justAbove = atBoundary;
    justAbove.s2 = std::nextafter(0.0001, 1.0);
    EXPECT_GT(delayStatistics(justAbove).delaySpread, 0.0);

    justAbove.s2 = 0.0001 * (1 + 1e-9);
    const double spread = delayStatistics(justAbove).delaySpread;
    EXPECT_GT(spread, 0.01);
    EXPECT_LT(1 / spread, 100.0);
    EXPECT_GT(1 / spread, 99.9999);

    EXPECT_EQ(delayStatistics(DelayMoments{}).meanDelay, 0.0);
    EXPECT_EQ(delayStatistics(DelayMoments{}).delaySpread, 0.0);
}

TEST(CalcChannel, PathsOnTheSameElementAddTheirAmplitudes) {
    auto form = startedForm();
    placePath(*form, 2, 1560, 2130);
    placePath(*form, 6, 1560, 2130);
    CalcChannel(*form);
    const double amplitude = std::sqrt(0.50001);
    expectFlatPower(*form, 4 * amplitude * amplitude);
    // The statistics count both paths.
    expectCaptions(*form, {" 1", " 0", "Inf", "Inf", "Inf"});
}

TEST(CalcChannel, NeighbouringElementsShareOneComplexPoint) {
    auto form = startedForm();
    placePath(*form, 0, 360, 2130);  // element 0: real part of point 0
    placePath(*form, 1, 420, 360);   // element 1: imaginary part of point 0
    CalcChannel(*form);
    expectFlatPower(*form, 0.50001 + 1.00001);
}

// |H(k)|^2 with H(k) = sum over points c of z(c) exp(+2 pi i c k / 4096), where
// each path's amplitude sits in the real (even element) or imaginary (odd)
// part of point element / 2.
std::vector<double> referencePower(const std::vector<std::pair<float, float>>& paths) {
    std::vector<std::complex<double>> points(kPoints);
    for (const auto& [left, top] : paths) {
        const double delay = (left - 360.0) / 1200.0;
        const int element = static_cast<int>(std::floor(delay * 30));
        const double amplitude = std::sqrt((3900.0 - top) / 3540.0 + 0.00001);
        points[element / 2] += element % 2 == 0 ? std::complex<double>(amplitude, 0)
                                                : std::complex<double>(0, amplitude);
    }
    std::vector<double> power(kPoints);
    for (int k = 0; k < kPoints; ++k) {
        std::complex<double> h = 0;
        for (int c = 0; c < 64; ++c) {
            const double angle = kTwoPi * ((c * k) % kPoints) / kPoints;
            h += points[c] * std::complex<double>(std::cos(angle), std::sin(angle));
        }
        power[k] = std::norm(h);
    }
    return power;
}

TEST(CalcChannel, PowerResponseOfRandomChannelsMatchesTheDirectSum) {
    std::mt19937 engine(2024);
    std::uniform_int_distribution<int> leftStep(0, 405);  // 12-twip grid, 360 .. 5220
    std::uniform_int_distribution<int> topStep(0, 295);   // 12-twip grid, 360 .. 3900
    for (int trial = 0; trial < 5; ++trial) {
        auto form = startedForm();
        std::vector<std::pair<float, float>> paths;
        for (int i = 0; i < kPathCount; ++i) {
            if (trial != 0 && i % (trial + 1) == 0) continue;  // leave some off
            const float left = 360.0f + 12.0f * static_cast<float>(leftStep(engine));
            const float top = 360.0f + 12.0f * static_cast<float>(topStep(engine));
            placePath(*form, i, left, top);
            paths.emplace_back(left, top);
        }
        CalcChannel(*form);
        const std::vector<double> expected = referencePower(paths);
        for (int k = 0; k < kPoints; ++k) {
            ASSERT_NEAR(form->state.dPowerSpectrum[k], expected[k], 1e-12 * 64)
                << "trial " << trial << " bin " << k;
        }
    }
}

TEST(CalcChannel, PulseSpectrumIsTheRaisedCosine) {
    auto form = startedForm();
    CalcChannel(*form);
    const ComplexVector& pulse = form->state.dPulseSpectrum;
    const auto bin = [&](int k) { return pulse[static_cast<std::size_t>(2 * k)]; };

    EXPECT_EQ(pulse[0], 1.0);
    for (int k = 0; k <= 16; ++k) EXPECT_EQ(bin(k), 1.0) << "bin " << k;
    EXPECT_NEAR(bin(24), 0.5 + std::sqrt(0.5) / 2, 1e-7);  // 0.853553...
    EXPECT_NEAR(bin(32), 0.5000000133974483, 1e-15);       // pi taken as 3.1415926
    EXPECT_NEAR(bin(40), 0.5 - std::sqrt(0.5) / 2, 1e-7);  // 0.146446...
    EXPECT_NEAR(bin(47), 0.0024076, 1e-7);
    for (int k = 48; k <= 4048; ++k) ASSERT_EQ(bin(k), 0.0) << "bin " << k;
    for (int k = 4080; k < kPoints; ++k) EXPECT_EQ(bin(k), 1.0) << "bin " << k;
    for (int l = 1; l <= 2048; ++l) ASSERT_EQ(bin(kPoints - l), bin(l)) << "bin " << l;
    for (int e = 1; e < kComplexBound; e += 2) {
        ASSERT_EQ(pulse[e], 0.0) << "element " << e;
        ASSERT_FALSE(std::signbit(pulse[e])) << "element " << e;  // dumps print -0 otherwise
    }
    for (int k = 0; k < kPoints; ++k) {
        ASSERT_EQ(form->state.dPulseRe[k], bin(k));
        ASSERT_EQ(form->state.dPulseIm[k], 0.0);
    }
}

// A Nyquist pulse: the spectrum folded at the symbol rate (64 bins) is flat, so
// the pulse is zero at every other symbol instant.
TEST(CalcChannel, PulseHasNoInterSymbolInterference) {
    auto form = startedForm();
    CalcChannel(*form);
    const auto& re = form->state.dPulseRe;
    const auto pulseAt = [&](int n) {
        double sum = 0;
        for (int k = 0; k < kPoints; ++k)
            sum += re[k] * std::cos(kTwoPi * ((k * n) % kPoints) / kPoints);
        return sum / kPoints;
    };
    const double peak = pulseAt(0);
    EXPECT_NEAR(peak, 64.0 / 4096.0, 1e-9);
    for (int j = 1; j < 64; ++j) EXPECT_NEAR(pulseAt(64 * j) / peak, 0.0, 1e-6) << "symbol " << j;
    EXPECT_GT(pulseAt(32) / peak, 0.5);  // half a symbol away it is still large
}

TEST(CalcChannel, NeverWritesTheLastElementOfAnyArray) {
    auto form = startedForm();
    placePath(*form, 0, 360, 360);
    placePath(*form, 1, 5220, 360);
    DemoState& state = form->state;
    state.dPathSpectrum[8192] = 11;
    state.dPulseSpectrum[8192] = 12;
    state.dPulseRe[4096] = 13;
    state.dPulseIm[4096] = 14;
    state.dPowerSpectrum[4096] = 15;
    CalcChannel(*form);
    EXPECT_EQ(state.dPathSpectrum[8192], 11.0);
    EXPECT_EQ(state.dPulseSpectrum[8192], 12.0);
    EXPECT_EQ(state.dPulseRe[4096], 13.0);
    EXPECT_EQ(state.dPulseIm[4096], 14.0);
    EXPECT_EQ(state.dPowerSpectrum[4096], 15.0);
}

TEST(CalcChannel, RedrawsTheSpectrumFromAClearedBox) {
    auto form = startedForm();
    placePath(*form, 0, 360, 2130);
    const std::uint64_t clearsBefore = form->picSpectrum.clears;
    CalcChannel(*form);
    EXPECT_EQ(form->picSpectrum.clears, clearsBefore + 2);  // its own clear and the plot's
    EXPECT_EQ(form->picSpectrum.linesSinceClear, 2u * 554u);
    EXPECT_TRUE(form->messages.empty());
}

TEST(TransformOrReport, ShowsTheRefusalAndLeavesTheDataAlone) {
    auto form = startedForm();
    std::vector<double> data{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    const std::vector<double> before = data;
    EXPECT_FALSE(transformOrReport(*form, data.data(), 6, false));
    EXPECT_EQ(data, before);
    ASSERT_EQ(form->messages.size(), 1u);
    EXPECT_EQ(form->messages[0], "This FFT only does powers of two.");

    EXPECT_TRUE(transformOrReport(*form, data.data(), 4, true));
    EXPECT_EQ(form->messages.size(), 1u);
}

}  // namespace
}  // namespace tarvel
