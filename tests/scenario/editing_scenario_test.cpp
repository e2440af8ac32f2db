// Path editing end to end: clicks, keys, drags and "Random" as a user does
// them, with the expected positions worked out by hand from the editing rules.

#include <gtest/gtest.h>

#include "scenario_checks.h"
#include "script_process.h"

namespace tarvel::scenario {
namespace {

constexpr const char* kOff = "#f0f0f0";  // the runner's window face colour

TEST(EditingScenario, ClicksSelectThenToggle) {
    const ScriptRun run = runScenarioFile("selection.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    ASSERT_TRUE(run.dump(0)["channelValid"].boolean());

    const JsonValue selected = run.dump(1);
    EXPECT_EQ(marker(selected, 7)["tag"].text(), "37");
    for (int i = 0; i < 7; ++i) EXPECT_EQ(marker(selected, i)["tag"].text(), "0");
    EXPECT_FALSE(marker(selected, 7)["on"].boolean());
    EXPECT_TRUE(selected["channelValid"].boolean()) << "selecting is not an edit";

    const JsonValue toggled = run.dump(2);
    EXPECT_TRUE(marker(toggled, 7)["on"].boolean());
    EXPECT_EQ(marker(toggled, 7)["backColour"].text(), "#408040");
    EXPECT_EQ(marker(toggled, 7)["tag"].text(), "0");
    expectImpulse(toggled, 7, 547.5, 4087.5);
    EXPECT_FALSE(toggled["channelValid"].boolean());

    const JsonValue reselected = run.dump(3);
    EXPECT_TRUE(marker(reselected, 7)["on"].boolean());
    EXPECT_EQ(marker(reselected, 7)["tag"].text(), "37");
    EXPECT_EQ(marker(reselected, 6)["tag"].text(), "0");
    EXPECT_FALSE(marker(reselected, 6)["on"].boolean());

    const JsonValue off = run.dump(4);
    EXPECT_FALSE(marker(off, 7)["on"].boolean());
    EXPECT_EQ(marker(off, 7)["backColour"].text(), kOff);
    EXPECT_FALSE(impulseVisible(off, 7));
    EXPECT_EQ(draws(off), 64) << "clicks draw nothing";
}

TEST(EditingScenario, KeysStepAndClampAndFramesFollow) {
    const ScriptRun run = runScenarioFile("keys.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const double expected[][2] = {{360, 420},   {360, 360},   {360, 480},   {5220, 3900},
                                  {5220, 3900}, {4980, 3900}, {4980, 3900}, {4980, 3900}};
    for (std::size_t d = 0; d < std::size(expected); ++d) {
        SCOPED_TRACE("dump " + std::to_string(d));
        const JsonValue dump = run.dump(d);
        expectMarkerAt(dump, 7, expected[d][0], expected[d][1]);
        expectFramesOnMarkers(dump);
        EXPECT_FALSE(impulseVisible(dump, 7)) << "a switched-off marker shows no line";
    }
    EXPECT_FALSE(run.dump(6)["channelValid"].boolean()) << "an unused key still edits";

    const JsonValue on = run.dump(8);
    expectMarkerAt(on, 6, 1560, 2010);
    expectFramesOnMarkers(on);
    expectImpulse(on, 6, 1747.5, 2197.5);
}

TEST(EditingScenario, DropsSnapToTheGridAndDrawOnePhaseEach) {
    const ScriptRun run = runScenarioFile("drag_drop.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;

    // Pointer (1500, 2000): corner (1312, 1812), snapped (1200, 1860).
    const JsonValue first = run.dump(0);
    expectMarkerAt(first, 7, 1200, 1860);
    EXPECT_EQ(marker(first, 7)["tag"].text(), "1.5707963");  // (2 * 0.75 - 1) * 3.1415926
    EXPECT_EQ(draws(first), 65);
    expectFramesOnMarkers(first);
    for (int i = 0; i < 7; ++i) expectMarkerAt(first, i, 360, 3900);

    EXPECT_TRUE(marker(run.dump(1), 7)["on"].boolean()) << "the drop ended the selection";

    // Pointer (3200, 4500): below the axis right of the corner; stays on.
    const JsonValue below = run.dump(2);
    expectMarkerAt(below, 7, 3000, 3900);
    EXPECT_EQ(marker(below, 7)["tag"].text(), "0");  // (2 * 0.5 - 1) * 3.1415926
    EXPECT_TRUE(marker(below, 7)["on"].boolean());
    expectImpulse(below, 7, 3187.5, 4087.5);

    expectMarkerAt(run.dump(3), 7, 5160, 1980);  // far right: 5220 snaps to 5160
    const JsonValue top = run.dump(4);
    expectMarkerAt(top, 7, 1200, 540);  // near the top: clamped to 540
    EXPECT_EQ(draws(top), 68);

    for (std::size_t d = 5; d <= 7; ++d) {
        SCOPED_TRACE("drop over a control, dump " + std::to_string(d));
        expectMarkerAt(run.dump(d), 7, 1200, 540);
        expectMarkerAt(run.dump(d), 6, 360, 3900);
        EXPECT_EQ(draws(run.dump(d)), 68);
    }

    const JsonValue tie = run.dump(8);
    expectMarkerAt(tie, 7, 360, 3900);
    EXPECT_TRUE(marker(tie, 7)["on"].boolean());
    EXPECT_EQ(draws(tie), 69);

    const JsonValue parked = run.dump(9);
    expectMarkerAt(parked, 7, 360, 3900);
    EXPECT_FALSE(marker(parked, 7)["on"].boolean());
    EXPECT_FALSE(impulseVisible(parked, 7));
    EXPECT_EQ(draws(parked), 70);

    EXPECT_EQ(run.lines[10], run.lines[9]) << "a drag released off the window is lost";
}

TEST(EditingScenario, RandomScattersEveryMarkerWithTwentyFourDraws) {
    const ScriptRun run = runScenarioFile("random_channel.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue dump = run.dump(0);
    struct Place {
        double left, top;
        const char* tag;
    };
    const Place expected[8] = {{420, 3900, "3.1415926"},    {2790, 2220, "6.2831852"},
                               {1605, 3060, "4.7123889"},   {3975, 1380, "7.8539815"},
                               {1012.5, 3480, "3.1415926"}, {420, 3900, "3.1415926"},
                               {420, 3900, "3.1415926"},    {420, 3900, "3.1415926"}};
    for (int i = 0; i < 8; ++i) {
        expectMarkerAt(dump, i, expected[i].left, expected[i].top);
        EXPECT_EQ(marker(dump, i)["tag"].text(), expected[i].tag);
        EXPECT_EQ(marker(dump, i)["on"].boolean(), i == 2);
    }
    expectFramesOnMarkers(dump);
    expectImpulse(dump, 2, 1792.5, 3247.5);
    EXPECT_FALSE(impulseVisible(dump, 0));
    EXPECT_EQ(draws(dump), 64 + 24);
    EXPECT_FALSE(dump["channelValid"].boolean());

    const JsonValue clicked = run.dump(1);
    EXPECT_EQ(marker(clicked, 2)["tag"].text(), "37") << "a random phase is never a selection";
    EXPECT_TRUE(marker(clicked, 2)["on"].boolean());
}

}  // namespace
}  // namespace tarvel::scenario
