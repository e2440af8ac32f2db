#include "paths/path_state.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/form_load.h"
#include "app/user_actions.h"
#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::startedForm;
using testing::switchOn;

TEST(PathState, OnExactlyWhenMarkerColourDiffersFromWindow) {
    auto form = startedForm();
    for (int i = 0; i < kPathCount; ++i) EXPECT_FALSE(isPathOn(*form, i));
    switchOn(*form, 3);
    EXPECT_TRUE(isPathOn(*form, 3));
    form->cmdSource[4].backColour = RGB(1, 2, 3);  // any other colour counts as on
    EXPECT_TRUE(isPathOn(*form, 4));
    form->cmdSource[3].backColour = form->backColour;
    EXPECT_FALSE(isPathOn(*form, 3));
}

// Every switch off compares with the window's own face, whatever the
// platform makes it, never with a fixed colour.
TEST(PathState, AnotherFaceColourSwitchesOffToThatFace) {
    const Colour face = RGB(200, 190, 180);
    auto form = std::make_unique<Form>(face);
    Form_Load(*form);
    for (int i = 0; i < kPathCount; ++i) EXPECT_FALSE(isPathOn(*form, i)) << i;
    form->cmdSource[1].backColour = kDefaultFaceColour;  // not this window's face: on
    EXPECT_TRUE(isPathOn(*form, 1));

    clickMarker(*form, 7);
    clickMarker(*form, 7);
    ASSERT_TRUE(isPathOn(*form, 7));
    clickMarker(*form, 7);
    clickMarker(*form, 7);
    EXPECT_EQ(form->cmdSource[7].backColour, face);

    clickMarker(*form, 6);
    clickMarker(*form, 6);
    dragMarker(*form, 6, 300, 4300);  // into the parking corner
    EXPECT_EQ(form->cmdSource[6].backColour, face);
    clickGo(*form, 1);  // Reset
    for (int i = 0; i < kPathCount; ++i) EXPECT_EQ(form->cmdSource[i].backColour, face) << i;
}

TEST(ShowImpulses, LineHangsFromMarkerCentreToDelayAxis) {
    auto form = startedForm();
    form->cmdSource[2].left = 1560;
    form->cmdSource[2].top = 2130;
    switchOn(*form, 2);
    ShowImpulses(*form);
    const LineShape& line = form->lneImpulse[2];
    EXPECT_TRUE(line.visible);
    EXPECT_FLOAT_EQ(line.x1, 1747.5f);
    EXPECT_FLOAT_EQ(line.x2, 1747.5f);
    EXPECT_FLOAT_EQ(line.y1, 2317.5f);
    EXPECT_FLOAT_EQ(line.y2, 4080.0f);
    EXPECT_EQ(line.widthPx, 5);
    for (int i = 0; i < kPathCount; ++i) {
        if (i != 2) {
            EXPECT_FALSE(form->lneImpulse[i].visible);
        }
    }
}

TEST(ShowImpulses, MarkerOnTheAxisGivesAShortLine) {
    auto form = startedForm();
    switchOn(*form, 0);
    ShowImpulses(*form);
    EXPECT_FLOAT_EQ(form->lneImpulse[0].y1, 4087.5f);
    EXPECT_FLOAT_EQ(form->lneImpulse[0].y2, 4080.0f);
}

TEST(ShowImpulses, SwitchingOffHidesButKeepsEndPointsAndOnAgainFollowsTheMarker) {
    auto form = startedForm();
    form->cmdSource[1].left = 2760;
    form->cmdSource[1].top = 1860;
    switchOn(*form, 1);
    ShowImpulses(*form);
    form->cmdSource[1].backColour = form->backColour;
    ShowImpulses(*form);
    EXPECT_FALSE(form->lneImpulse[1].visible);
    EXPECT_FLOAT_EQ(form->lneImpulse[1].x1, 2947.5f);
    EXPECT_FLOAT_EQ(form->lneImpulse[1].y1, 2047.5f);

    form->cmdSource[1].left = 360;  // moved while off
    switchOn(*form, 1);
    ShowImpulses(*form);
    EXPECT_TRUE(form->lneImpulse[1].visible);
    EXPECT_FLOAT_EQ(form->lneImpulse[1].x1, 547.5f);
}

TEST(ShowImpulses, FollowsTheMarkerNotTheFrame) {
    auto form = startedForm();
    switchOn(*form, 5);
    form->cmdShape[5].top = 1000;
    ShowImpulses(*form);
    EXPECT_FLOAT_EQ(form->lneImpulse[5].y1, 4087.5f);
}

TEST(PathEdit, EpilogueRedrawsLinesAndMarksAnalysisOutOfDate) {
    auto form = startedForm();
    form->state.bChannelValid = true;
    switchOn(*form, 6);
    endPathEdit(*form);
    EXPECT_TRUE(form->lneImpulse[6].visible);
    EXPECT_FALSE(form->state.bChannelValid);
}

}  // namespace
}  // namespace tarvel
