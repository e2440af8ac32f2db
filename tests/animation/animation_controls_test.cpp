#include "animation/animation_controls.h"

#include <gtest/gtest.h>

#include "animation/timer_tick.h"
#include "animation_test_support.h"
#include "app/user_actions.h"

namespace tarvel {
namespace {

using test_support::placePath;
using test_support::startedForm;

std::array<std::uint64_t, 3> eyeClears(const Form& form) {
    return {form.picIndividual.clears, form.picCombo.clears, form.picSumGraph.clears};
}
std::array<std::uint64_t, 3> plus(std::array<std::uint64_t, 3> clears, std::uint64_t n) {
    for (auto& c : clears) c += n;
    return clears;
}

TEST(StartButton, OnlyStartsTheTimer) {
    auto form = startedForm();
    const auto clears = eyeClears(*form);
    const auto draws = form->state.generator.count();
    clickGo(*form, 0);
    clickGo(*form, 0);
    EXPECT_TRUE(form->timer1.enabled);
    EXPECT_EQ(eyeClears(*form), clears);
    EXPECT_EQ(form->state.generator.count(), draws);
    EXPECT_FALSE(form->state.bChannelValid);  // the first tick will analyse
}

class ResetButton : public ::testing::Test {
  protected:
    void SetUp() override {
        form = startedForm();
        placePath(*form, 1, 1560, 2130);
        placePath(*form, 6, 2760, 900);
        form->cmdSource[6].pressed = true;
        chooseSymbol(*form, 2);
        clickGo(*form, 0);
    }
    void expectEveryPathOffAndShown() const {
        EXPECT_FALSE(form->timer1.enabled);
        for (int i = 0; i < kPathCount; ++i) {
            const CommandButton& marker = form->cmdSource[i];
            EXPECT_EQ(marker.backColour, form->backColour) << i;
            EXPECT_FALSE(marker.pressed) << i;
            EXPECT_TRUE(marker.visible) << i;
            EXPECT_FALSE(form->cmdShape[i].visible) << i;
            EXPECT_FALSE(form->lneImpulse[i].visible) << i;
        }
        // Markers stay where they were; the list and the bar keep their settings.
        EXPECT_EQ(form->cmdSource[1].left, 1560.0f);
        EXPECT_EQ(form->cmdSource[6].top, 900.0f);
        EXPECT_EQ(form->cmbSymbol.text, "2.0");
        EXPECT_EQ(form->state.dSymbolTime, 2.0);
    }
    std::unique_ptr<Form> form;
};

TEST_F(ResetButton, SwitchesEveryPathOffClearsTheEyesAndRunsOneTick) {
    const auto clears = eyeClears(*form);
    const auto draws = form->state.generator.count();
    clickGo(*form, 1);
    expectEveryPathOffAndShown();
    EXPECT_EQ(eyeClears(*form), plus(clears, 1));
    EXPECT_EQ(form->state.generator.count() - draws, 64u);
    EXPECT_TRUE(form->state.bChannelValid);
    EXPECT_EQ(form->picCombo.linesSinceClear, 0u);
}

TEST_F(ResetButton, LeavesTheFadingStateAndTheSpeedAlone) {
    setFadeValue(*form, 4);
    Timer1_Timer(*form);
    Timer1_Timer(*form);
    const DemoState before = form->state;
    const auto clears = eyeClears(*form);
    const auto draws = form->state.generator.count();

    clickGo(*form, 1);

    expectEveryPathOffAndShown();
    EXPECT_EQ(form->hscFade.value, 4);
    EXPECT_EQ(form->state.dFadeI, before.dFadeI);
    EXPECT_EQ(form->state.dFadeQ, before.dFadeQ);
    EXPECT_EQ(form->state.dFadeMeanPower, before.dFadeMeanPower);
    EXPECT_NE(form->state.dFadeI[6], 0.0);
    // Its own tick still fades (no path is on) and so clears once more.
    EXPECT_EQ(eyeClears(*form), plus(clears, 2));
    EXPECT_EQ(form->state.generator.count() - draws, 64u);
}

TEST(FadingBar, ASpeedActsOnlyAtTheNextTick) {
    auto form = startedForm();
    placePath(*form, 2, 1560, 2130);
    const auto clears = eyeClears(*form);
    const auto draws = form->state.generator.count();
    for (int speed = 1; speed <= 5; ++speed) setFadeValue(*form, speed);
    EXPECT_EQ(eyeClears(*form), clears);
    EXPECT_EQ(form->state.generator.count(), draws);
    EXPECT_TRUE(form->cmdSource[2].visible);
    EXPECT_EQ(form->state.dFadeI[2], 0.0);
}

TEST(FadingBar, ZeroShowsTheMarkersAnalysesAndDrawsOverTheEyes) {
    auto form = startedForm();
    placePath(*form, 2, 1560, 2130);
    setFadeValue(*form, 1);
    Timer1_Timer(*form);
    ASSERT_FALSE(form->cmdSource[2].visible);
    const auto clears = eyeClears(*form);
    const auto lines = form->picIndividual.linesSinceClear;

    setFadeValue(*form, 0);
    EXPECT_TRUE(form->cmdSource[2].visible);
    EXPECT_FALSE(form->cmdShape[2].visible);
    EXPECT_TRUE(form->state.bChannelValid);
    EXPECT_EQ(eyeClears(*form), clears);
    EXPECT_EQ(form->picIndividual.linesSinceClear, lines + 31 * 386);
}

TEST(SymbolList, EachChoiceSetsTheSymbolTimeAndStartsTheEyesAfresh) {
    auto form = startedForm();
    const double times[] = {0.5, 1.0, 2.0};
    for (int item : {0, 2, 1, 1}) {
        const auto clears = eyeClears(*form);
        const auto draws = form->state.generator.count();
        chooseSymbol(*form, item);
        EXPECT_EQ(form->state.dSymbolTime, times[item]);
        EXPECT_EQ(eyeClears(*form), plus(clears, 1));
        EXPECT_TRUE(form->state.bChannelValid);
        EXPECT_EQ(form->state.generator.count() - draws, 64u);
        EXPECT_EQ(form->picIndividual.linesSinceClear, 31u * 386);
    }
}

}  // namespace
}  // namespace tarvel
