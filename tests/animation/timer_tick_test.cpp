#include "animation/timer_tick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <string>

#include "animation/animation_controls.h"
#include "animation_test_support.h"
#include "app/user_actions.h"

namespace tarvel {
namespace {

using test_support::kSegmentsPerEye;
using test_support::placePath;
using test_support::RecordingSurface;
using test_support::startedForm;

using Cplx = std::complex<double>;

Cplx point(const ComplexVector& v, int n) {
    return {v[static_cast<std::size_t>(2 * n)], v[static_cast<std::size_t>(2 * n + 1)]};
}

// The waveform the tick must produce, by direct sums: the symbols' impulse
// train circularly convolved with the pulse's response
// p(r) = 1/N sum_k H(k) exp(-2 pi i k r / N).
std::vector<Cplx> directlyShapedSignal(const DemoState& state) {
    std::vector<Cplx> twiddle(kPoints);
    for (int m = 0; m < kPoints; ++m) {
        twiddle[m] = std::polar(1.0, -2 * std::numbers::pi * m / kPoints);
    }
    std::vector<Cplx> pulse(kPoints);
    for (int k = 0; k < kPoints; ++k) {
        const Cplx h = point(state.dPulseSpectrum, k);
        if (h == 0.0) continue;
        for (int r = 0; r < kPoints; ++r) pulse[r] += h * twiddle[(k * r) % kPoints];
    }
    std::vector<Cplx> shaped(kPoints);
    for (int j = 0; j < kSymbols; ++j) {
        for (int n = 0; n < kPoints; ++n) {
            shaped[n] += 64 * state.dSymbol[j] * pulse[(n - 64 * j + kPoints) % kPoints] /
                         static_cast<double>(kPoints);
        }
    }
    return shaped;
}

TEST(TimerTick, ShapedWaveformIsTheSymbolTrainThroughAnArbitraryPulse) {
    auto form = startedForm();
    DemoState& state = form->state;
    // A made-up complex pulse over a few bins; the analysis is marked current
    // so that the tick keeps it.
    for (int k = 0; k < 40; ++k) {
        state.dPulseSpectrum[2 * k] = std::cos(0.3 * k) / (1 + k);
        state.dPulseSpectrum[2 * k + 1] = std::sin(0.7 * k) / (2 + k);
        state.dPulseSpectrum[2 * (kPoints - 1 - k)] = 0.01 * k;
    }
    state.bChannelValid = true;
    Timer1_Timer(*form);

    const std::vector<Cplx> expected = directlyShapedSignal(state);
    for (int n = 0; n < kPoints; ++n) {
        ASSERT_NEAR(point(state.dShapedSignal, n).real(), expected[n].real(), 1e-9) << n;
        ASSERT_NEAR(point(state.dShapedSignal, n).imag(), expected[n].imag(), 1e-9) << n;
    }
}

TEST(TimerTick, RaisedCosineWaveformPassesThroughEverySymbolAtItsInstant) {
    auto form = startedForm();
    Timer1_Timer(*form);  // the analysis is out of date after start-up: builds the pulse
    const DemoState& state = form->state;
    double swing = 0;
    for (int j = 0; j < kSymbols; ++j) {
        ASSERT_EQ(std::abs(state.dSymbol[j]), 1.0);
        EXPECT_NEAR(state.dShapedSignal[128 * j], state.dSymbol[j], 1e-7) << "symbol " << j;
    }
    for (int n = 0; n < kPoints; ++n) {
        swing = std::max(swing, std::abs(state.dShapedSignal[2 * n]));
        ASSERT_NEAR(state.dShapedSignal[2 * n + 1], 0.0, 1e-9);
    }
    EXPECT_GT(swing, 1.0);
    EXPECT_LT(swing, 2.0);
}

// Fading pairs come first, in path order, then the 64 symbols; a draw of
// exactly 0.5 gives a symbol of 0.
TEST(TimerTick, FadingDrawsComeBeforeTheSymbols) {
    auto form = startedForm();
    placePath(*form, 0, 360, 2130);
    placePath(*form, 3, 1560, 2130);
    form->hscFade.value = 5;
    UniformGenerator& generator = form->state.generator;
    for (float u : {0.7f, 0.4f, 0.2f, 0.6f}) generator.queue(u);
    for (int j = 0; j < kSymbols; ++j) generator.queue(j == 9 ? 0.5f : (j % 3 ? 0.75f : 0.25f));
    const auto drawsBefore = generator.count();

    Timer1_Timer(*form);

    EXPECT_EQ(generator.count() - drawsBefore, 68u);  // the 68 queued, and no more
    // At speed 5 the gain is the fresh pair itself: I / Q = x / y.
    const auto ratio = [](float u1, float u2) { return (2.0 * u1 - 1) / (2.0 * u2 - 1); };
    EXPECT_NEAR(form->state.dFadeI[0] / form->state.dFadeQ[0], ratio(0.7f, 0.4f), 1e-12);
    EXPECT_NEAR(form->state.dFadeI[3] / form->state.dFadeQ[3], ratio(0.2f, 0.6f), 1e-12);
    for (int j = 0; j < kSymbols; ++j) {
        EXPECT_EQ(form->state.dSymbol[j], j == 9 ? 0.0 : (j % 3 ? 1.0 : -1.0)) << j;
    }
}

struct EyeBoxes {
    explicit EyeBoxes(Form& target) : form(target) {}
    std::array<std::uint64_t, 3> clears() const {
        return {form.picIndividual.clears, form.picCombo.clears, form.picSumGraph.clears};
    }
    std::array<std::uint64_t, 3> lines() const {
        return {form.picIndividual.linesSinceClear, form.picCombo.linesSinceClear,
                form.picSumGraph.linesSinceClear};
    }
    static std::array<std::uint64_t, 3> each(std::uint64_t n) { return {n, n, n}; }
    Form& form;
};

TEST(TimerTick, TracesPileUpUntilTheChannelChanges) {
    auto form = startedForm();
    EyeBoxes boxes(*form);
    const auto startClears = boxes.clears();
    placePath(*form, 1, 1560, 2130);

    Timer1_Timer(*form);  // the edit left the analysis out of date: clear, then draw
    EXPECT_TRUE(form->state.bChannelValid);
    const auto once = boxes.clears();
    for (int b = 0; b < 3; ++b) EXPECT_EQ(once[b], startClears[b] + 1);
    EXPECT_EQ(boxes.lines(), boxes.each(kSegmentsPerEye));

    Timer1_Timer(*form);
    Timer1_Timer(*form);
    EXPECT_EQ(boxes.clears(), once);
    EXPECT_EQ(boxes.lines(), boxes.each(3 * kSegmentsPerEye));

    endPathEdit(*form);  // any edit
    Timer1_Timer(*form);
    EXPECT_EQ(boxes.lines(), boxes.each(kSegmentsPerEye));
}

TEST(TimerTick, WhileFadingEveryTickStartsTheEyesAfreshEvenWithNoPathOn) {
    auto form = startedForm();
    EyeBoxes boxes(*form);
    setFadeValue(*form, 3);
    for (int tick = 0; tick < 3; ++tick) {
        const auto before = boxes.clears();
        Timer1_Timer(*form);
        EXPECT_TRUE(form->state.bChannelValid);
        for (int b = 0; b < 3; ++b) EXPECT_EQ(boxes.clears()[b], before[b] + 1);
        EXPECT_EQ(boxes.lines(),
                  (std::array<std::uint64_t, 3>{kSegmentsPerEye, 0, kSegmentsPerEye}));
    }

    // Switching fading off draws over the last faded traces.
    const auto before = boxes.clears();
    const auto drawsBefore = form->state.generator.count();
    setFadeValue(*form, 0);
    EXPECT_EQ(boxes.clears(), before);
    EXPECT_EQ(boxes.lines(),
              (std::array<std::uint64_t, 3>{2 * kSegmentsPerEye, 0, 2 * kSegmentsPerEye}));
    EXPECT_EQ(form->state.generator.count() - drawsBefore, 64u);
}

TEST(TimerTick, NoPathOnLeavesTheSumFlatAndTheComboEmpty) {
    auto form = std::make_unique<Form>();
    RecordingSurface sum;
    form->picSumGraph.attach(&sum);
    Form_Load(*form);
    for (double v : form->state.dSumSignal) ASSERT_EQ(v, 0.0);
    EXPECT_EQ(form->picCombo.linesSinceClear, 0u);
    ASSERT_EQ(sum.segments.size(), static_cast<std::size_t>(kSegmentsPerEye));
    const float centre = form->picSumGraph.innerHeight() / 2;
    for (const auto& s : sum.segments) ASSERT_TRUE(s.y1 == centre && s.y2 == centre);
}

TEST(StartUp, TakesExactlyOneTicksSymbolDraws) {
    auto form = startedForm();
    EXPECT_EQ(form->state.generator.count(), 64u);
    EXPECT_EQ(form->picIndividual.linesSinceClear, static_cast<std::uint64_t>(kSegmentsPerEye));
    EXPECT_FALSE(form->state.bChannelValid);
}

struct ShiftCase {
    float left;
    double symbolTime;
    int comboShift;  // nearest, ties to even, of 1.5 s
    int sumShift;    // floor of 1.5 s
};

void PrintTo(const ShiftCase& c, std::ostream* os) {
    *os << "left " << c.left << ", symbol time " << c.symbolTime;
}

class PathDelay : public ::testing::TestWithParam<ShiftCase> {};

// The combo trace rounds 1.5 s to the nearest (ties to even), the sum copy
// takes its floor: s = 1 gives 2 and 1, s = 3 gives 4 and 4.
TEST_P(PathDelay, ComboTraceAndSumCopyUseTheirOwnRoundingOfTheShift) {
    const ShiftCase c = GetParam();
    auto form = std::make_unique<Form>();
    RecordingSurface combo;
    form->picCombo.attach(&combo);
    Form_Load(*form);
    chooseSymbol(*form, c.symbolTime == 0.5 ? 0 : (c.symbolTime == 1.0 ? 1 : 2));
    ASSERT_EQ(form->state.dSymbolTime, c.symbolTime);
    placePath(*form, 4, c.left, 2130);  // relative power 0.5
    Timer1_Timer(*form);

    const DemoState& state = form->state;
    const double a = std::sqrt(0.5) + 0.00001;
    for (int l = 0; l < kPoints; ++l) {
        const double expected =
            l < c.sumShift ? 0.0 : a * state.dShapedSignal[2 * (l - c.sumShift)];
        ASSERT_EQ(state.dSumSignal[2 * l], expected) << l;
    }

    ASSERT_EQ(combo.segments.size(), static_cast<std::size_t>(kSegmentsPerEye));
    const double h = form->picCombo.innerHeight();
    for (int k = 0; k < kSegmentsPerEye; ++k) {
        const int n = 64 * (17 + k / 386) + k % 386 - c.comboShift;
        const double v = state.dShapedSignal[2 * n];
        ASSERT_NEAR(combo.segments[k].y1, h / 2 - v * 0.35 * h * a / 1.5, 1e-3) << k;
        ASSERT_EQ(combo.segments[k].colour, state.lPathColour[4]);
    }
}

INSTANTIATE_TEST_SUITE_P(Shifts, PathDelay,
                         ::testing::Values(ShiftCase{360, 1.0, 0, 0}, ShiftCase{390, 1.0, 2, 1},
                                           ShiftCase{450, 1.0, 4, 4}, ShiftCase{480, 1.0, 6, 6},
                                           ShiftCase{480, 2.0, 3, 3}, ShiftCase{420, 2.0, 2, 1},
                                           ShiftCase{660, 2.0, 8, 7}, ShiftCase{480, 0.5, 12, 12}),
                         [](const ::testing::TestParamInfo<ShiftCase>& param) {
                             return "Left" + std::to_string(static_cast<int>(param.param.left)) +
                                    "SymbolTimeX10_" +
                                    std::to_string(static_cast<int>(param.param.symbolTime * 10));
                         });

TEST(TimerTick, SumAddsEveryPathsScaledDelayedCopy) {
    auto form = startedForm();
    placePath(*form, 0, 360, 2130);
    placePath(*form, 6, 1560, 3900);  // on the axis: a gain of 0.00001
    placePath(*form, 7, 2760, 360);   // s = 80, delay 120 samples
    Timer1_Timer(*form);
    const DemoState& state = form->state;
    const double a0 = std::sqrt(0.5) + 0.00001, a6 = 0.00001, a7 = 1.00001;
    for (int l = 0; l < kPoints; ++l) {
        double expected = a0 * state.dShapedSignal[2 * l];
        if (l >= 60) expected += a6 * state.dShapedSignal[2 * (l - 60)];
        if (l >= 120) expected += a7 * state.dShapedSignal[2 * (l - 120)];
        ASSERT_NEAR(state.dSumSignal[2 * l], expected, 1e-12) << l;
    }
    EXPECT_EQ(form->picCombo.linesSinceClear, 3u * kSegmentsPerEye);
}

}  // namespace
}  // namespace tarvel
