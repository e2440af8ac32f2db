#include <gtest/gtest.h>

#include "app/user_actions.h"
#include "paths/path_editing.h"
#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::place;
using testing::startedForm;
using testing::switchOn;

TEST(MarkerKeys, UpStepsToTheTopLimitAndDownLeavesTheGrid) {
    auto form = startedForm();
    for (int n = 1; n <= 29; ++n) {
        cmdSource_KeyPress(*form, 3, 'u');
        EXPECT_FLOAT_EQ(form->cmdSource[3].top, 3900.0f - 120.0f * static_cast<float>(n));
        EXPECT_FLOAT_EQ(form->cmdShape[3].top, form->cmdSource[3].top);
    }
    EXPECT_FLOAT_EQ(form->cmdSource[3].top, 420.0f);
    cmdSource_KeyPress(*form, 3, 'u');
    EXPECT_FLOAT_EQ(form->cmdSource[3].top, 360.0f);
    cmdSource_KeyPress(*form, 3, 'U');
    EXPECT_FLOAT_EQ(form->cmdSource[3].top, 360.0f);
    cmdSource_KeyPress(*form, 3, 'd');
    EXPECT_FLOAT_EQ(form->cmdSource[3].top, 480.0f);  // not a drop grid place
    EXPECT_FLOAT_EQ(form->cmdSource[3].left, 360.0f);
}

TEST(MarkerKeys, BothCasesMoveWithinTheLimits) {
    auto form = startedForm();
    place(*form, 0, 5160, 2000);
    cmdSource_KeyPress(*form, 0, 'r');
    EXPECT_FLOAT_EQ(form->cmdSource[0].left, 5220.0f);
    cmdSource_KeyPress(*form, 0, 'R');
    EXPECT_FLOAT_EQ(form->cmdSource[0].left, 5220.0f);
    cmdSource_KeyPress(*form, 0, 'L');
    EXPECT_FLOAT_EQ(form->cmdSource[0].left, 5100.0f);
    cmdSource_KeyPress(*form, 0, 'D');
    EXPECT_FLOAT_EQ(form->cmdSource[0].top, 2120.0f);

    place(*form, 1, 360, 3900);
    cmdSource_KeyPress(*form, 1, 'l');
    cmdSource_KeyPress(*form, 1, 'd');
    EXPECT_FLOAT_EQ(form->cmdSource[1].left, 360.0f);
    EXPECT_FLOAT_EQ(form->cmdSource[1].top, 3900.0f);
}

TEST(MarkerKeys, OffGridPositionsStepExactly) {
    auto form = startedForm();
    place(*form, 2, 1234.25f, 777.5f);
    cmdSource_KeyPress(*form, 2, 'r');
    cmdSource_KeyPress(*form, 2, 'u');
    EXPECT_FLOAT_EQ(form->cmdSource[2].left, 1354.25f);
    EXPECT_FLOAT_EQ(form->cmdSource[2].top, 657.5f);
    EXPECT_FLOAT_EQ(form->cmdShape[2].left, 1354.25f);
    EXPECT_FLOAT_EQ(form->cmdShape[2].top, 657.5f);
}

TEST(MarkerKeys, OtherKeysMoveNothingButStillEndAsAnEdit) {
    auto form = startedForm();
    place(*form, 4, 2400, 1500);
    switchOn(*form, 4);
    form->cmdShape[4].top = 2700;  // a fading frame away from its marker
    form->cmdShape[5].top = 1000;
    for (int key : {int{'x'}, int{'5'}, 0, 255, int{' '}}) {
        form->state.bChannelValid = true;
        form->lneImpulse[4].visible = false;
        cmdSource_KeyPress(*form, 4, key);
        EXPECT_FLOAT_EQ(form->cmdSource[4].left, 2400.0f) << key;
        EXPECT_FLOAT_EQ(form->cmdSource[4].top, 1500.0f) << key;
        EXPECT_FLOAT_EQ(form->cmdShape[4].top, 1500.0f) << key;
        EXPECT_TRUE(form->lneImpulse[4].visible) << key;
        EXPECT_FALSE(form->state.bChannelValid) << key;
    }
    // Only the keyed marker's frame is brought into step.
    EXPECT_FLOAT_EQ(form->cmdShape[5].top, 1000.0f);
}

TEST(MarkerKeys, LineFollowsOnlyASwitchedOnMarker) {
    auto form = startedForm();
    cmdSource_KeyPress(*form, 6, 'u');
    cmdSource_KeyPress(*form, 6, 'r');
    EXPECT_FLOAT_EQ(form->cmdSource[6].left, 480.0f);
    EXPECT_FLOAT_EQ(form->cmdSource[6].top, 3780.0f);
    EXPECT_FALSE(form->lneImpulse[6].visible);

    switchOn(*form, 0);
    cmdSource_KeyPress(*form, 0, 'u');
    EXPECT_TRUE(form->lneImpulse[0].visible);
    EXPECT_FLOAT_EQ(form->lneImpulse[0].y1, 3967.5f);
}

TEST(MarkerKeys, HiddenMarkerIgnoresKeys) {
    auto form = startedForm();
    form->cmdSource[2].visible = false;
    form->state.bChannelValid = true;
    keyOnMarker(*form, 2, 'u');
    EXPECT_FLOAT_EQ(form->cmdSource[2].top, 3900.0f);
    EXPECT_TRUE(form->state.bChannelValid);
}

}  // namespace
}  // namespace tarvel
