#include "app/form_changes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "app/user_actions.h"

namespace tarvel {
namespace {

bool has(const std::vector<ControlRef>& list, ControlRef control) {
    return std::find(list.begin(), list.end(), control) != list.end();
}

struct FormChangesTest : ::testing::Test {
    std::unique_ptr<Form> form = std::make_unique<Form>();
    FormWatch watch;

    void SetUp() override {
        Form_Load(*form);
        watch.take(*form);
    }
};

TEST_F(FormChangesTest, TheFirstLookHasEverythingAndALookWithNothingDoneHasNothing) {
    FormWatch fresh;
    const FormChanges first = fresh.take(*form);
    EXPECT_EQ(first.controls, allControls());
    EXPECT_EQ(first.drawing.size(), kDrawingOrder.size());
    EXPECT_TRUE(first.stacking);
    EXPECT_TRUE(first.timer);
    EXPECT_TRUE(fresh.take(*form).empty());
    EXPECT_TRUE(watch.take(*form).empty());
}

TEST_F(FormChangesTest, OnlyTheControlWhoseFieldChangedIsReportedEvenByAQuarterTwip) {
    form->lblAt[5].left += 0.25f;
    form->hscFade.largeChange += 1;
    const FormChanges changes = watch.take(*form);
    EXPECT_EQ(changes.controls.size(), 2u);
    EXPECT_TRUE(has(changes.controls, {ControlKind::LblAt, 5}));
    EXPECT_TRUE(has(changes.controls, {ControlKind::HscFade, 0}));
    EXPECT_TRUE(changes.drawing.empty());
    EXPECT_FALSE(changes.stacking);
}

TEST_F(FormChangesTest, AMarkerSwitchedOnIsReportedWithItsImpulseLine) {
    clickMarker(*form, 3);
    clickMarker(*form, 3);
    const FormChanges changes = watch.take(*form);
    EXPECT_TRUE(has(changes.controls, {ControlKind::CmdSource, 3}));
    EXPECT_FALSE(has(changes.controls, {ControlKind::HscFade, 0}));
    EXPECT_NE(std::find(changes.drawing.begin(), changes.drawing.end(),
                        DrawingRef{DrawingKind::Impulse, 3}),
              changes.drawing.end());
}

TEST_F(FormChangesTest, FadingTicksReportTheFramesAndTheStatisticsNotTheMarkers) {
    for (int i = 0; i < kPathCount; ++i) {
        clickMarker(*form, i);
        clickMarker(*form, i);
    }
    clickRandom(*form);
    setFadeValue(*form, 5);
    clickGo(*form, 0);
    EXPECT_TRUE(watch.take(*form).timer);
    Timer1_Timer(*form);  // hides the markers while their paths fade
    watch.take(*form);
    Timer1_Timer(*form);
    const FormChanges changes = watch.take(*form);
    EXPECT_FALSE(changes.timer);
    EXPECT_FALSE(changes.stacking);
    const auto frames = std::count_if(changes.drawing.begin(), changes.drawing.end(),
                                      [](DrawingRef d) { return d.kind == DrawingKind::Frame; });
    EXPECT_EQ(frames, kPathCount);
    EXPECT_TRUE(has(changes.controls, {ControlKind::LblAt, kDelaySpreadRow.value}));
    for (int i = 0; i < kPathCount; ++i)
        EXPECT_FALSE(has(changes.controls, {ControlKind::CmdSource, i}));
}

TEST_F(FormChangesTest, StackingMessagesAndAForgottenDrawingComeOnceEach) {
    form->bringMarkerToFront(2);
    form->showMessage("first");
    form->showMessage("second");
    const FormChanges changes = watch.take(*form);
    EXPECT_TRUE(changes.stacking);
    EXPECT_TRUE(changes.controls.empty());
    EXPECT_EQ(changes.messages, (std::vector<std::string>{"first", "second"}));

    watch.forgetDrawing();
    const FormChanges redrawn = watch.take(*form);
    EXPECT_EQ(redrawn.drawing.size(), kDrawingOrder.size());
    EXPECT_TRUE(redrawn.controls.empty());
    EXPECT_TRUE(redrawn.messages.empty());
    EXPECT_FALSE(redrawn.stacking);
}

}  // namespace
}  // namespace tarvel
