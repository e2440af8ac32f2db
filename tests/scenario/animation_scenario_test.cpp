// The animation end to end: Start/Reset, ticks and eye surfaces, the symbol
// shaping and the multipath sum, the symbol time and the fading, checked
// against relations and closed forms worked out by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "scenario_checks.h"
#include "script_process.h"

namespace tarvel::scenario {
namespace {

const double kHalfPowerAmplitude = std::sqrt((3900.0 - 2130.0) / 3540.0) + 0.00001;

void expectEyeCounts(const JsonValue& dump, double individual, double combo, double sum) {
    EXPECT_EQ(lines(dump, "picIndividual"), individual);
    EXPECT_EQ(lines(dump, "picCombo"), combo);
    EXPECT_EQ(lines(dump, "picSumGraph"), sum);
}

void expectEyeClears(const JsonValue& dump, double individual, double combo, double sum) {
    EXPECT_EQ(clears(dump, "picIndividual"), individual);
    EXPECT_EQ(clears(dump, "picCombo"), combo);
    EXPECT_EQ(clears(dump, "picSumGraph"), sum);
}

// Samples segments of one eye-diagram call, starting at segment `first`,
// against the eye's mapping applied here to the waveform's real parts.
void expectEyeTraces(const JsonValue& surface, std::size_t first,
                     const std::vector<double>& waveform, double scale, int shift,
                     double symbolTime, const char* colour) {
    const double w = surface["width"].number();
    const double h = surface["height"].number();
    const double steps = 128 / symbolTime + 1;
    const auto x = [&](int j) { return (j - 32) * w / steps; };
    const auto y = [&](int n) { return h / 2 - waveform[2 * n] * 0.35 * h / scale; };
    for (const int i : {17, 30, 47}) {
        for (const int j : {0, 31, 64, 200, 385}) {
            SCOPED_TRACE("trace " + std::to_string(i) + " step " + std::to_string(j));
            const JsonValue& s = surface["lines"][first + (i - 17) * 386 + j];
            const int n = 64 * i + j - shift;
            EXPECT_NEAR(s[0].number(), x(j), 0.01);
            EXPECT_NEAR(s[1].number(), y(n), 0.01);
            EXPECT_NEAR(s[2].number(), x(j + 1), 0.01);
            EXPECT_NEAR(s[3].number(), y(n + 1), 0.01);
            EXPECT_EQ(s[4].text(), colour);
        }
    }
}

TEST(AnimationScenario, StartTicksClearsAndReset) {
    const ScriptRun run = runScenarioFile("animation.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue started = run.dump("started");
    EXPECT_TRUE(started["timer"].boolean());
    EXPECT_EQ(draws(started), 64) << "Start only switches the timer on";
    expectEyeCounts(started, kSegmentsPerEye, 0, kSegmentsPerEye);
    EXPECT_EQ(run.line("startedAgain"), run.line("started")) << "a second Start changes nothing";

    // Start-up left the flag False: the first tick reanalyses and clears.
    const JsonValue first = run.dump("firstTick");
    EXPECT_TRUE(first["channelValid"].boolean());
    expectEyeClears(first, 2, 2, 2);
    expectEyeCounts(first, kSegmentsPerEye, 0, kSegmentsPerEye);
    EXPECT_EQ(clears(first, "picSpectrum"), 4);
    EXPECT_EQ(draws(first), 128);

    const JsonValue third = run.dump("thirdTick");
    expectEyeClears(third, 2, 2, 2);
    expectEyeCounts(third, 3 * kSegmentsPerEye, 0, 3 * kSegmentsPerEye);
    EXPECT_EQ(draws(third), 256);

    const JsonValue clicked = run.dump("individualCleared");
    expectEyeClears(clicked, 3, 2, 2);
    expectEyeCounts(clicked, 0, 0, 3 * kSegmentsPerEye);
    const JsonValue allClicked = run.dump("allCleared");
    expectEyeClears(allClicked, 3, 3, 3);
    expectEyeCounts(allClicked, 0, 0, 0);
    EXPECT_EQ(run.line("afterTickZero"), run.line("allCleared")) << "tick 0 runs nothing";

    const JsonValue twoPaths = run.dump("twoPaths");
    expectEyeClears(twoPaths, 4, 4, 4);
    expectEyeCounts(twoPaths, kSegmentsPerEye, 2 * kSegmentsPerEye, kSegmentsPerEye);
    EXPECT_EQ(draws(twoPaths), 320);
    EXPECT_EQ(clears(twoPaths, "picSpectrum"), 6);

    const JsonValue reset = run.dump("reset");
    EXPECT_FALSE(reset["timer"].boolean());
    EXPECT_TRUE(reset["channelValid"].boolean());
    expectEyeClears(reset, 5, 5, 5);
    expectEyeCounts(reset, kSegmentsPerEye, 0, kSegmentsPerEye);
    EXPECT_EQ(clears(reset, "picSpectrum"), 8);
    EXPECT_EQ(draws(reset), 384);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(marker(reset, i)["on"].boolean());
        EXPECT_TRUE(marker(reset, i)["visible"].boolean());
        EXPECT_FALSE(reset["cmdShape"][static_cast<std::size_t>(i)]["visible"].boolean());
        EXPECT_FALSE(impulseVisible(reset, i));
    }
    expectMarkerAt(reset, 7, 1560, 2130);  // Reset does not move the markers
}

TEST(AnimationScenario, SymbolsArePulseShapedAndEachPathAddsItsDelayedScaledCopy) {
    const ScriptRun run = runScenarioFile("multipath_sum.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue arrays = run.dump("atDelayZero");
    const std::vector<double> symbols = arrays["dSymbol"].numbers();
    const std::vector<double> shaped = arrays["dShapedSignal"].numbers();
    const std::vector<double> sum = arrays["dSumSignal"].numbers();
    ASSERT_EQ(symbols.size(), 64u);
    ASSERT_EQ(shaped.size(), 8192u);
    ASSERT_EQ(sum.size(), 8192u);
    for (std::size_t j = 0; j < 64; ++j) {
        const double expected = j == 5 ? 0 : (j % 2 == 1 ? 1 : -1);
        EXPECT_EQ(symbols[j], expected) << j;
        // A raised-cosine pulse leaves no trace at the other symbol instants.
        EXPECT_NEAR(shaped[128 * j], expected, 1e-6) << j;
    }
    for (std::size_t e = 0; e < 8192; e += 2) {
        ASSERT_NEAR(shaped[e + 1], 0, 1e-9) << "a real pulse gives a real waveform";
        // The path at delay 0: its copy is unshifted, scaled by its amplitude.
        ASSERT_NEAR(sum[e], kHalfPowerAmplitude * shaped[e], 1e-12) << e;
    }
    const std::vector<double> pulse = arrays["dPulseSpectrum"].numbers();
    EXPECT_EQ(pulse[0], 1);
    EXPECT_NEAR(pulse[2 * 47], 0.5 * std::cos(3.1415926 * 31 / 32) + 0.5, 1e-15);
    EXPECT_EQ(pulse[2 * 48], 0);
    EXPECT_EQ(pulse[2 * 4095], 1);
    for (const double power : arrays["dPowerSpectrum"].numbers()) {
        ASSERT_NEAR(power, 0.5 + 0.00001, 1e-12) << "one path gives a flat response";
    }

    expectEyeTraces(run.dump("individualEye"), 0, shaped, 1.5, 0, 1.0, "#000000");
    expectEyeTraces(run.dump("comboEye"), 0, shaped, 1.5 / kHalfPowerAmplitude, 0, 1.0, "#408040");
    expectEyeTraces(run.dump("sumEye"), 0, sum, 1.5, 0, 1.0, "#000000");
    EXPECT_EQ(run.dump("individualEye")["lines"].size(), static_cast<std::size_t>(kSegmentsPerEye));

    // 1 us later: s = 40 steps, the sum shifted by floor(1.5 s) = 60 samples,
    // the combined eye by the nearest integer to 1.5 s, also 60.
    const JsonValue later = run.dump("oneMicrosecondLater");
    const std::vector<double> shaped2 = later["dShapedSignal"].numbers();
    const std::vector<double> sum2 = later["dSumSignal"].numbers();
    for (std::size_t l = 0; l < 4096; ++l) {
        const double expected = l < 60 ? 0 : kHalfPowerAmplitude * shaped2[2 * (l - 60)];
        ASSERT_NEAR(sum2[2 * l], expected, 1e-12) << l;
    }
    const JsonValue combo = run.dump("comboEyeLater");
    ASSERT_EQ(combo["lines"].size(), 2u * kSegmentsPerEye) << "no edit, so no clear";
    expectEyeTraces(combo, kSegmentsPerEye, shaped2, 1.5 / kHalfPowerAmplitude, 60, 1.0, "#408040");
}

TEST(AnimationScenario, SymbolTimeChoiceRedrawsAtItsOwnWidth) {
    const ScriptRun run = runScenarioFile("symbol_time.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue two = run.dump("twoMicroseconds");
    EXPECT_EQ(two["symbolTime"].number(), 2.0);
    EXPECT_EQ(two["cmbSymbol"]["text"].text(), "2.0");
    EXPECT_TRUE(two["channelValid"].boolean());
    expectEyeClears(two, 2, 2, 2);
    expectEyeCounts(two, kSegmentsPerEye, 0, kSegmentsPerEye);
    EXPECT_EQ(draws(two), 128);

    const std::vector<double> shaped = run.dump("twoMicrosecondsArrays")["dShapedSignal"].numbers();
    expectEyeTraces(run.dump("twoMicrosecondsEye"), 0, shaped, 1.5, 0, 2.0, "#000000");

    const JsonValue half = run.dump("halfMicrosecond");
    EXPECT_EQ(half["symbolTime"].number(), 0.5);
    EXPECT_EQ(half["cmbSymbol"]["text"].text(), "0.5");
    expectEyeClears(half, 3, 3, 3);
    EXPECT_EQ(draws(half), 192);
}

// One polar-method pair (x, y) taken with s = x^2 + y^2.
double polarFactor(double x, double y) {
    const double s = x * x + y * y;
    return std::sqrt(std::log(s) * -2 / s);
}

TEST(FadingScenario, GaussMarkovStepsMoveTheFrameAndSurviveReset) {
    const ScriptRun run = runScenarioFile("fading.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue selected = run.dump("selected");
    EXPECT_EQ(selected["hscFade"].number(), 1);
    EXPECT_EQ(draws(selected), 64) << "a speed is only read by the next tick";
    EXPECT_TRUE(marker(selected, 7)["visible"].boolean());

    // Speed 1 (rho 0.98) from I = 1, Q = 0 with x = 0.5, y = 0.
    const double f1 = polarFactor(0.5, 0);
    const double i1 = std::sqrt(0.98) + std::sqrt(1 - 0.98) * 0.5 * f1;
    const double p1 = i1 * i1 * 1.0 * 0.5;
    const JsonValue first = run.dump("firstStep");
    EXPECT_NEAR(first["dFadeI"][7].number(), i1, 1e-12);
    EXPECT_EQ(first["dFadeQ"][7].number(), 0);
    EXPECT_EQ(first["dFadeMeanPower"][7].number(), 1);
    EXPECT_EQ(draws(first), 64 + 4 + 64);
    EXPECT_FALSE(marker(first, 7)["visible"].boolean());
    const JsonValue& frame = first["cmdShape"][7];
    EXPECT_TRUE(frame["visible"].boolean());
    EXPECT_EQ(frame["left"].number(), 1560);
    EXPECT_EQ(frame["fillColour"].text(), "#408040");
    EXPECT_NEAR(frame["top"].number(), 3900 - p1 * 1500, 1e-3);
    expectImpulse(first, 7, 1747.5, 2587.5);  // the line stays with the marker
    expectEyeClears(first, 2, 2, 2);

    EXPECT_EQ(run.line("hiddenMarker"), run.line("firstStep")) << "a hidden marker takes no events";

    // Speed 5 (rho 0): the old gain is forgotten; x = 0.5, y = -0.5.
    const double f5 = polarFactor(0.5, -0.5);
    const JsonValue fast = run.dump("fast");
    const double i5 = 0.5 * f5;
    const double q5 = -0.5 * f5;
    EXPECT_NEAR(fast["dFadeI"][7].number(), i5, 1e-12);
    EXPECT_NEAR(fast["dFadeQ"][7].number(), q5, 1e-12);
    EXPECT_NEAR(fast["cmdShape"][7]["top"].number(), 3900 - (i5 * i5 + q5 * q5) * 0.5 * 1500, 1e-3);
    EXPECT_EQ(draws(fast), 132 + 2 + 64);
    expectEyeClears(fast, 3, 3, 3);

    const JsonValue stopped = run.dump("stopped");
    EXPECT_TRUE(marker(stopped, 7)["visible"].boolean());
    EXPECT_FALSE(stopped["cmdShape"][7]["visible"].boolean());
    expectFramesOnMarkers(stopped);
    expectEyeClears(stopped, 3, 3, 3);  // the old traces stay under the new ones
    expectEyeCounts(stopped, 2 * kSegmentsPerEye, 2 * kSegmentsPerEye, 2 * kSegmentsPerEye);
    EXPECT_EQ(draws(stopped), 262);

    // Speed 2 (rho 0.95) after the marker moved up to Top 2280.
    const double meanPower = (3900 - 2280) / 1500.0;
    const double i2 = std::sqrt(0.95) * i5 + std::sqrt(1 - 0.95) * 0.5 * f1;
    const double q2 = std::sqrt(0.95) * q5;
    const JsonValue restarted = run.dump("restarted");
    EXPECT_NEAR(restarted["dFadeMeanPower"][7].number(), meanPower, 1e-12);
    EXPECT_NEAR(restarted["dFadeI"][7].number(), i2, 1e-12);
    EXPECT_NEAR(restarted["dFadeQ"][7].number(), q2, 1e-12);
    EXPECT_NEAR(restarted["cmdShape"][7]["top"].number(),
                3900 - (q2 * q2 + i2 * i2) * meanPower * 0.5 * 1500, 1e-3);
    EXPECT_FALSE(marker(restarted, 7)["visible"].boolean());

    const JsonValue reset = run.dump("reset");
    for (const char* key : {"dFadeI", "dFadeQ", "dFadeMeanPower"}) {
        EXPECT_EQ(reset[key][7].number(), restarted[key][7].number()) << key;
    }
    expectFramesOnMarkers(reset);
    EXPECT_TRUE(marker(reset, 7)["visible"].boolean());

    const JsonValue noPaths = run.dump("noPaths");
    expectEyeClears(noPaths, clears(reset, "picIndividual") + 2, clears(reset, "picCombo") + 2,
                    clears(reset, "picSumGraph") + 2);
    EXPECT_EQ(draws(noPaths), draws(reset) + 128);
}

TEST(FadingScenario, PowerAboveTheTopIsHeldAtTop120) {
    const ScriptRun run = runScenarioFile("fading_clamp.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue dump = run.dump("clamped");
    EXPECT_NEAR(dump["dFadeMeanPower"][6].number(), 2.52, 1e-12);
    EXPECT_NEAR(dump["dFadeI"][6].number(), 0.5 * polarFactor(0.5, 0), 1e-12);
    EXPECT_EQ(dump["cmdShape"][6]["top"].number(), 120);
}

}  // namespace
}  // namespace tarvel::scenario
