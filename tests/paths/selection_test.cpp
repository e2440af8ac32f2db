#include <gtest/gtest.h>

#include "app/user_actions.h"
#include "paths/path_editing.h"
#include "paths/path_state.h"
#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::place;
using testing::startedForm;

TEST(MarkerSelection, FirstClickOnlySelects) {
    auto form = startedForm();
    form->state.bChannelValid = true;
    cmdSource_Click(*form, 4);
    for (int j = 0; j < kPathCount; ++j) EXPECT_EQ(form->cmdSource[j].tag, j == 4 ? "37" : "0");
    EXPECT_FALSE(isPathOn(*form, 4));
    EXPECT_FALSE(form->lneImpulse[4].visible);
    EXPECT_TRUE(form->state.bChannelValid);
}

TEST(MarkerSelection, SecondClickTogglesAndEndsTheSelection) {
    auto form = startedForm();
    place(*form, 2, 1560, 2100);
    form->state.bChannelValid = true;
    cmdSource_Click(*form, 2);
    cmdSource_Click(*form, 2);
    EXPECT_EQ(form->cmdSource[2].backColour, RGB(0, 0, 192));
    EXPECT_TRUE(isPathOn(*form, 2));
    EXPECT_TRUE(form->lneImpulse[2].visible);
    EXPECT_FLOAT_EQ(form->lneImpulse[2].x1, 1747.5f);
    EXPECT_FLOAT_EQ(form->lneImpulse[2].y1, 2287.5f);
    EXPECT_FALSE(form->state.bChannelValid);
    EXPECT_EQ(form->cmdSource[2].tag, "0");

    // A third click selects again; only the fourth switches the path off.
    form->state.bChannelValid = true;
    cmdSource_Click(*form, 2);
    EXPECT_TRUE(isPathOn(*form, 2));
    EXPECT_TRUE(form->state.bChannelValid);
    EXPECT_EQ(form->cmdSource[2].tag, "37");
    cmdSource_Click(*form, 2);
    EXPECT_EQ(form->cmdSource[2].backColour, form->backColour);
    EXPECT_FALSE(form->lneImpulse[2].visible);
    EXPECT_FALSE(form->state.bChannelValid);
}

TEST(MarkerSelection, ClickOnAnotherMarkerMovesTheSelection) {
    auto form = startedForm();
    cmdSource_Click(*form, 1);  // A
    cmdSource_Click(*form, 5);  // B
    EXPECT_EQ(form->cmdSource[1].tag, "0");
    EXPECT_EQ(form->cmdSource[5].tag, "37");
    cmdSource_Click(*form, 1);  // A again: selected, not toggled
    EXPECT_EQ(form->cmdSource[1].tag, "37");
    EXPECT_EQ(form->cmdSource[5].tag, "0");
    EXPECT_FALSE(isPathOn(*form, 1));
    EXPECT_FALSE(isPathOn(*form, 5));
}

TEST(MarkerSelection, AnyTagReadingAsThirtySevenCountsAsSelected) {
    auto form = startedForm();
    form->cmdSource[3].tag = " 3.7E1 ";
    cmdSource_Click(*form, 3);
    EXPECT_TRUE(isPathOn(*form, 3));
    form->cmdSource[6].tag = "37.5";
    cmdSource_Click(*form, 6);
    EXPECT_FALSE(isPathOn(*form, 6));
    EXPECT_EQ(form->cmdSource[6].tag, "37");
}

TEST(MarkerSelection, OnlyTheClickedPathChangesColour) {
    auto form = startedForm();
    for (int i = 0; i < kPathCount; ++i) {
        cmdSource_Click(*form, i);
        cmdSource_Click(*form, i);
    }
    for (int i = 0; i < kPathCount; ++i) {
        EXPECT_EQ(form->cmdSource[i].backColour, form->state.lPathColour[i]) << i;
    }
    cmdSource_Click(*form, 6);
    cmdSource_Click(*form, 6);
    for (int i = 0; i < kPathCount; ++i) EXPECT_EQ(isPathOn(*form, i), i != 6) << i;
}

TEST(MarkerSelection, DropOrRandomEndsTheSelection) {
    auto form = startedForm();
    cmdSource_Click(*form, 7);
    dragMarker(*form, 7, 1500, 2000);
    cmdSource_Click(*form, 7);
    EXPECT_FALSE(isPathOn(*form, 7));
    EXPECT_EQ(form->cmdSource[7].tag, "37");

    clickRandom(*form);
    clickMarker(*form, 7);
    EXPECT_FALSE(isPathOn(*form, 7));
    EXPECT_EQ(form->cmdSource[7].tag, "37");
}

TEST(MarkerSelection, HiddenMarkerIgnoresClicks) {
    auto form = startedForm();
    form->cmdSource[0].visible = false;  // as while its path fades
    clickMarker(*form, 0);
    clickMarker(*form, 0);
    EXPECT_EQ(form->cmdSource[0].tag, "");
    EXPECT_FALSE(isPathOn(*form, 0));
}

}  // namespace
}  // namespace tarvel
