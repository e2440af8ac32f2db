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
    ASSERT_TRUE(run.dump("analysed")["channelValid"].boolean());

    const JsonValue selected = run.dump("selected");
    EXPECT_EQ(marker(selected, 7)["tag"].text(), "37");
    for (int i = 0; i < 7; ++i) EXPECT_EQ(marker(selected, i)["tag"].text(), "0");
    EXPECT_FALSE(marker(selected, 7)["on"].boolean());
    EXPECT_TRUE(selected["channelValid"].boolean()) << "selecting is not an edit";

    const JsonValue toggled = run.dump("toggled");
    EXPECT_TRUE(marker(toggled, 7)["on"].boolean());
    EXPECT_EQ(marker(toggled, 7)["backColour"].text(), "#408040");
    EXPECT_EQ(marker(toggled, 7)["tag"].text(), "0");
    expectImpulse(toggled, 7, 547.5, 4087.5);
    EXPECT_FALSE(toggled["channelValid"].boolean());

    const JsonValue reselected = run.dump("reselected");
    EXPECT_TRUE(marker(reselected, 7)["on"].boolean());
    EXPECT_EQ(marker(reselected, 7)["tag"].text(), "37");
    EXPECT_EQ(marker(reselected, 6)["tag"].text(), "0");
    EXPECT_FALSE(marker(reselected, 6)["on"].boolean());

    const JsonValue off = run.dump("off");
    EXPECT_FALSE(marker(off, 7)["on"].boolean());
    EXPECT_EQ(marker(off, 7)["backColour"].text(), kOff);
    EXPECT_FALSE(impulseVisible(off, 7));
    EXPECT_EQ(draws(off), 64) << "clicks draw nothing";
}

TEST(EditingScenario, KeysStepAndClampAndFramesFollow) {
    const ScriptRun run = runScenarioFile("keys.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const struct {
        const char* dump;
        double left, top;
    } expected[] = {{"up", 360, 420},           {"upClamped", 360, 360},
                    {"down", 360, 480},         {"rightClamped", 5220, 3900},
                    {"rightAgain", 5220, 3900}, {"left", 4980, 3900},
                    {"otherKey", 4980, 3900},   {"downClamped", 4980, 3900}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.dump);
        const JsonValue dump = run.dump(e.dump);
        expectMarkerAt(dump, 7, e.left, e.top);
        expectFramesOnMarkers(dump);
        EXPECT_FALSE(impulseVisible(dump, 7)) << "a switched-off marker shows no line";
    }
    EXPECT_FALSE(run.dump("otherKey")["channelValid"].boolean()) << "an unused key still edits";

    const JsonValue on = run.dump("impulseFollows");
    expectMarkerAt(on, 6, 1560, 2010);
    expectFramesOnMarkers(on);
    expectImpulse(on, 6, 1747.5, 2197.5);
}

TEST(EditingScenario, DropsSnapToTheGridAndDrawOnePhaseEach) {
    const ScriptRun run = runScenarioFile("drag_drop.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;

    // Pointer (1500, 2000): corner (1312, 1812), snapped (1200, 1860).
    const JsonValue first = run.dump("first");
    expectMarkerAt(first, 7, 1200, 1860);
    EXPECT_EQ(marker(first, 7)["tag"].text(), "1.5707963");  // (2 * 0.75 - 1) * 3.1415926
    EXPECT_EQ(draws(first), 65);
    expectFramesOnMarkers(first);
    for (int i = 0; i < 7; ++i) expectMarkerAt(first, i, 360, 3900);

    EXPECT_TRUE(marker(run.dump("clickedAfterDrop"), 7)["on"].boolean())
        << "the drop ended the selection";

    // Pointer (3200, 4500): below the axis right of the corner; stays on.
    const JsonValue below = run.dump("belowAxis");
    expectMarkerAt(below, 7, 3000, 3900);
    EXPECT_EQ(marker(below, 7)["tag"].text(), "0");  // (2 * 0.5 - 1) * 3.1415926
    EXPECT_TRUE(marker(below, 7)["on"].boolean());
    expectImpulse(below, 7, 3187.5, 4087.5);

    expectMarkerAt(run.dump("farRight"), 7, 5160, 1980);  // far right: 5220 snaps to 5160
    const JsonValue top = run.dump("nearTop");
    expectMarkerAt(top, 7, 1200, 540);  // near the top: clamped to 540
    EXPECT_EQ(draws(top), 68);

    for (const char* name : {"overItself", "overTickLabel", "overStack"}) {
        SCOPED_TRACE(name);
        expectMarkerAt(run.dump(name), 7, 1200, 540);
        expectMarkerAt(run.dump(name), 6, 360, 3900);
        EXPECT_EQ(draws(run.dump(name)), 68);
    }

    const JsonValue tie = run.dump("tieNotParked");
    expectMarkerAt(tie, 7, 360, 3900);
    EXPECT_TRUE(marker(tie, 7)["on"].boolean());
    EXPECT_EQ(draws(tie), 69);

    const JsonValue parked = run.dump("parked");
    expectMarkerAt(parked, 7, 360, 3900);
    EXPECT_FALSE(marker(parked, 7)["on"].boolean());
    EXPECT_FALSE(impulseVisible(parked, 7));
    EXPECT_EQ(draws(parked), 70);

    EXPECT_EQ(run.line("offWindow"), run.line("parked"))
        << "a drag released off the window is lost";
}

TEST(EditingScenario, RandomScattersEveryMarkerWithTwentyFourDraws) {
    const ScriptRun run = runScenarioFile("random_channel.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue dump = run.dump("scattered");
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

    const JsonValue clicked = run.dump("clicked");
    EXPECT_EQ(marker(clicked, 2)["tag"].text(), "37") << "a random phase is never a selection";
    EXPECT_TRUE(marker(clicked, 2)["on"].boolean());
}

}  // namespace
}  // namespace tarvel::scenario
