// The channel analysis as the user sees it: the plot's controls, the drawn
// spectrum traces, the power response and the statistics captions, against
// closed forms worked out by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "scenario_checks.h"
#include "script_process.h"

namespace tarvel::scenario {
namespace {

constexpr int kDrawnBins = 554;

TEST(SpectrumScenario, ToggleAndRangeHandlersRedrawThePlot) {
    const ScriptRun run = runScenarioFile("spectrum_controls.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue linear = run.dump("linear");
    EXPECT_EQ(linear["chkLinear"]["value"].number(), 1);
    EXPECT_EQ(linear["chkLinear"]["caption"].text(), "Linear Plot");
    EXPECT_EQ(clears(linear, "picSpectrum"), 4);
    EXPECT_EQ(lines(linear, "picSpectrum"), 2 * kDrawnBins);

    const JsonValue log = run.dump("log");
    EXPECT_EQ(log["chkLinear"]["value"].number(), 0);
    EXPECT_EQ(log["chkLinear"]["caption"].text(), "Log Plot");
    EXPECT_EQ(clears(log, "picSpectrum"), 6);

    const JsonValue held = run.dump("held");
    EXPECT_EQ(held["chkMemory"]["value"].number(), 1);
    EXPECT_EQ(held["chkMemory"]["captionColour"].text(), "#008000");
    EXPECT_TRUE(held["memoryHeld"].boolean());
    EXPECT_EQ(lines(held, "picSpectrum"), 3 * kDrawnBins);  // green once, black twice

    const JsonValue released = run.dump("released");
    EXPECT_EQ(released["chkMemory"]["value"].number(), 0);
    EXPECT_EQ(released["chkMemory"]["captionColour"].text(), "#000000");
    EXPECT_FALSE(released["memoryHeld"].boolean());
    EXPECT_EQ(lines(released, "picSpectrum"), 2 * kDrawnBins);
    EXPECT_EQ(clears(released, "picSpectrum"), 10);

    EXPECT_EQ(run.line("rangeUnchanged"), run.line("released"))
        << "an unchanged range value runs nothing";
    const JsonValue top = run.dump("rangeTop");
    EXPECT_EQ(top["vscSpectrumRange"].number(), 0);
    EXPECT_EQ(clears(top, "picSpectrum"), 12);
    EXPECT_EQ(draws(top), 64) << "the plot's controls draw no random numbers";
}

// Checks a drawn trace of a flat value: from the bottom-left corner up to
// `level`, then along it, each segment `copies` times (15 twips apart).
void expectFlatTrace(const JsonValue& surface, std::size_t first, double level, int copies,
                     const char* colour) {
    const double w = surface["width"].number();
    const double h = surface["height"].number();
    const auto x = [&](int k) { return k * w * 7.4 / 4096; };
    for (int k = 0; k < kDrawnBins; ++k) {
        for (int copy = 0; copy < copies; ++copy) {
            SCOPED_TRACE("bin " + std::to_string(k) + " copy " + std::to_string(copy));
            const JsonValue& s =
                surface["lines"][first + static_cast<std::size_t>(copies * k + copy)];
            const double lift = 15.0 * copy;
            ASSERT_NEAR(s[0].number(), k == 0 ? 0 : x(k - 1), 0.01);
            ASSERT_NEAR(s[1].number(), (k == 0 ? h : level) + lift, 0.01);
            ASSERT_NEAR(s[2].number(), x(k), 0.01);
            ASSERT_NEAR(s[3].number(), level + lift, 0.01);
            ASSERT_EQ(s[4].text(), colour);
        }
    }
}

TEST(SpectrumScenario, FlatResponseIsDrawnAtItsLevelInBothModes) {
    const ScriptRun run = runScenarioFile("spectrum_plot.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const double power = 1.00001;  // power 1 plus the amplitude's 0.00001
    const double rangeFactor = 21 - 19;

    const JsonValue log = run.dump("logPlot");
    const double h = log["height"].number();
    ASSERT_EQ(log["width"].number(), 8775 - 60);
    ASSERT_EQ(h, 2655 - 60);
    ASSERT_EQ(log["lines"].size(), 2u * kDrawnBins);
    const double dbScale = 31.25 / (h * rangeFactor);
    const double decibels = 10 * std::log10(power);
    expectFlatTrace(log, 0, h - decibels / dbScale - h / 2, 2, "#000000");

    const JsonValue memory = run.dump("withMemory");
    ASSERT_EQ(memory["lines"].size(), 3u * kDrawnBins);
    // The held trace takes the same offset as the current one: it lies right under it.
    expectFlatTrace(memory, 0, h - decibels / dbScale - h / 2, 1, "#008000");
    expectFlatTrace(memory, kDrawnBins, h - decibels / dbScale - h / 2, 2, "#000000");

    const JsonValue linear = run.dump("linearPlot");
    const double linearScale = 6.25 / (h * rangeFactor);
    expectFlatTrace(linear, 0, h - power / linearScale, 1, "#008000");
    expectFlatTrace(linear, kDrawnBins, h - power / linearScale, 2, "#000000");

    const std::vector<double> held = run.dump("arrays")["dMemorySpectrum"].numbers();
    ASSERT_EQ(held.size(), 2048u);
    for (const double value : held) ASSERT_NEAR(value, power, 1e-12);
}

TEST(SpectrumScenario, TwoPathStatisticsAndPowerResponse) {
    const ScriptRun run = runScenarioFile("statistics.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue two = run.dump("twoPaths");
    const JsonValue& labels = two["lblAt"];
    EXPECT_EQ(labels["19"].text(), "0.5");
    EXPECT_EQ(labels["3"].text(), "0.5");
    EXPECT_EQ(labels["7"].text(), " 2");
    EXPECT_EQ(labels["21"].text(), "0.4");
    EXPECT_EQ(labels["24"].text(), "0.04");

    // Amplitudes sqrt(0.50001) at complex points 0 and 15.
    const std::vector<double> power = run.dump("twoPathsArrays")["dPowerSpectrum"].numbers();
    ASSERT_EQ(power.size(), 4096u);
    for (std::size_t k = 0; k < power.size(); ++k) {
        const double expected =
            2 * 0.50001 *
            (1 + std::cos(2 * std::numbers::pi * 15.0 * static_cast<double>(k) / 4096));
        ASSERT_NEAR(power[k], expected, 1e-9) << k;
    }

    const JsonValue singleDump = run.dump("singlePath");
    const JsonValue& single = singleDump["lblAt"];
    EXPECT_EQ(single["19"].text(), " 1");
    EXPECT_EQ(single["3"].text(), " 0");
    for (const char* field : {"7", "21", "24"}) EXPECT_EQ(single[field].text(), "Inf");

    EXPECT_EQ(run.dump("meanOneEighth")["lblAt"]["19"].text(), "0.12");
    EXPECT_EQ(run.dump("meanThreeEighths")["lblAt"]["19"].text(), "0.38");

    // Both amplitudes sqrt(0.50001) add in one element: a flat 4 * 0.50001.
    for (const double value : run.dump("sameDelayArrays")["dPowerSpectrum"].numbers()) {
        ASSERT_NEAR(value, 4 * 0.50001, 1e-9);
    }
}

TEST(SurfaceScenario, OverfullSurfaceStillCountsButRefusesItsDump) {
    const ScriptRun run = runScenarioFile("surface_overflow.tscript");
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.errors,
              "line 9: surface picIndividual holds more than 2097152 segments since its last "
              "clear, too many to dump\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(lines(run.dump("overfull"), "picIndividual"), 200.0 * kSegmentsPerEye);
    EXPECT_EQ(run.dump("spectrum")["lines"].size(), 2u * kDrawnBins);
}

}  // namespace
}  // namespace tarvel::scenario
