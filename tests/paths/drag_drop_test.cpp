#include <gtest/gtest.h>

#include <cstdint>

#include "app/user_actions.h"
#include "paths/path_editing.h"
#include "paths/path_state.h"
#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::place;
using testing::startedForm;
using testing::switchOn;

struct Where {
    float left, top;
};

// Drops marker `index` at the pointer (x, y) straight through the handler.
Where dropAt(Form& form, int index, float x, float y) {
    Form_DragDrop(form, index, x, y);
    return {form.cmdSource[index].left, form.cmdSource[index].top};
}

TEST(MarkerDrop, CentresOnThePointerAndSnapsToTheGrid) {
    auto form = startedForm();
    const Where w = dropAt(*form, 7, 1500, 2000);  // corner at (1312, 1812)
    EXPECT_FLOAT_EQ(w.left, 1200.0f);
    EXPECT_FLOAT_EQ(w.top, 1860.0f);
    EXPECT_FLOAT_EQ(dropAt(*form, 4, 9000, 2000).left, 5160.0f);  // clamped to 5220 first
    EXPECT_FLOAT_EQ(dropAt(*form, 4, 2000, 300).top, 540.0f);     // 112 clamped
}

TEST(MarkerDrop, RoundsTheCornerToNearestBeforeSnapping) {
    auto form = startedForm();
    // Corner Left 479.5 rounds up to 480, which snaps to 480, not 360.
    EXPECT_FLOAT_EQ(dropAt(*form, 0, 667, 2000).left, 480.0f);
    EXPECT_FLOAT_EQ(dropAt(*form, 0, 666.5f, 2000).left, 360.0f);  // 479 snaps down
    EXPECT_FLOAT_EQ(dropAt(*form, 0, 667.4f, 2000).left, 480.0f);  // 479.9 rounds up
}

TEST(MarkerDrop, GridBoundariesOfTheTopSnap) {
    auto form = startedForm();
    // Corner Top 719.5 rounds (ties to even) to 720 and snaps to 780; 719 to 660.
    EXPECT_FLOAT_EQ(dropAt(*form, 1, 2000, 907).top, 780.0f);
    EXPECT_FLOAT_EQ(dropAt(*form, 1, 2000, 906).top, 660.0f);
    EXPECT_FLOAT_EQ(dropAt(*form, 1, 2000, 4087.5f).top, 3900.0f);
    EXPECT_FLOAT_EQ(dropAt(*form, 1, 2000, 727.5f).top, 540.0f);
}

TEST(MarkerDrop, EveryDropLandsOnTheGridInsideTheLimits) {
    auto form = startedForm();
    for (float x = -500; x < 15000; x += 97.25f) {
        for (float y = -500; y < 11000; y += 131.5f) {
            const Where w = dropAt(*form, 5, x, y);
            ASSERT_GE(w.left, 360.0f);
            ASSERT_LE(w.left, 5160.0f);
            ASSERT_GE(w.top, 540.0f);
            ASSERT_LE(w.top, 3900.0f);
            ASSERT_EQ(static_cast<int>(w.left) % 120, 0) << x << ' ' << y;
            ASSERT_EQ(static_cast<int>(w.top) % 120, 60) << x << ' ' << y;
        }
    }
}

TEST(MarkerDrop, BottomLeftCornerParksAndSwitchesOff) {
    auto form = startedForm();
    place(*form, 3, 2400, 1500);
    switchOn(*form, 3);
    form->cmdSource[3].pressed = true;
    const Where w = dropAt(*form, 3, 500, 4200);
    EXPECT_FLOAT_EQ(w.left, 360.0f);
    EXPECT_FLOAT_EQ(w.top, 3900.0f);
    EXPECT_FALSE(isPathOn(*form, 3));
    EXPECT_FALSE(form->cmdSource[3].pressed);
    EXPECT_FALSE(form->lneImpulse[3].visible);
}

TEST(MarkerDrop, BelowTheAxisRightOfTheCornerKeepsOnOff) {
    auto form = startedForm();
    switchOn(*form, 2);
    const Where w = dropAt(*form, 2, 3000, 4500);
    EXPECT_FLOAT_EQ(w.left, 2760.0f);
    EXPECT_FLOAT_EQ(w.top, 3900.0f);
    EXPECT_TRUE(isPathOn(*form, 2));
    EXPECT_TRUE(form->lneImpulse[2].visible);
    EXPECT_FLOAT_EQ(form->lneImpulse[2].x1, 2947.5f);

    // Left of the power axis but above the axis: clamped, not parked.
    const Where v = dropAt(*form, 2, 100, 2000);
    EXPECT_FLOAT_EQ(v.left, 360.0f);
    EXPECT_TRUE(isPathOn(*form, 2));
}

TEST(MarkerDrop, PointerFarBeyondTheSixteenBitRangeStillClamps) {
    auto form = startedForm();
    Where w = dropAt(*form, 6, 1e9f, -1e9f);
    EXPECT_FLOAT_EQ(w.left, 5160.0f);
    EXPECT_FLOAT_EQ(w.top, 540.0f);
    switchOn(*form, 6);
    w = dropAt(*form, 6, -1e9f, 1e9f);
    EXPECT_FLOAT_EQ(w.left, 360.0f);
    EXPECT_FLOAT_EQ(w.top, 3900.0f);
    EXPECT_FALSE(isPathOn(*form, 6));
    w = dropAt(*form, 6, 40000, 33000);
    EXPECT_FLOAT_EQ(w.left, 5160.0f);
    EXPECT_FLOAT_EQ(w.top, 3900.0f);
}

TEST(MarkerDrop, TakesOneDrawAndWritesItsPhase) {
    auto form = startedForm();
    struct Case {
        float r;
        const char* tag;
    };
    for (const Case c : {Case{0.75f, "1.5707963"}, Case{0.0f, "-3.1415926"}, Case{0.5f, "0"},
                         Case{0.25f, "-1.5707963"}}) {
        const std::uint64_t before = form->state.generator.count();
        form->state.generator.queue(c.r);
        dropAt(*form, 1, 1500, 2000);
        EXPECT_EQ(form->state.generator.count() - before, 1u);
        EXPECT_EQ(form->cmdSource[1].tag, c.tag);
    }
}

TEST(MarkerDrop, BringsAllFramesToTheirMarkersAndEndsAsAnEdit) {
    auto form = startedForm();
    place(*form, 0, 1200, 1860);
    switchOn(*form, 0);
    form->cmdShape[0].top = 3000;  // moved by fading
    form->cmdShape[5].left = 4000;
    form->state.bChannelValid = true;
    dropAt(*form, 5, 3000, 1000);
    for (int i = 0; i < kPathCount; ++i) {
        EXPECT_FLOAT_EQ(form->cmdShape[i].left, form->cmdSource[i].left) << i;
        EXPECT_FLOAT_EQ(form->cmdShape[i].top, form->cmdSource[i].top) << i;
    }
    EXPECT_TRUE(form->lneImpulse[0].visible);
    EXPECT_FALSE(form->lneImpulse[5].visible);  // a drop never switches a path on
    EXPECT_FALSE(form->state.bChannelValid);
}

TEST(MarkerDrag, OnlyTheRightButtonStartsADrag) {
    auto form = startedForm();
    for (int button : {1, 3, 4}) {
        cmdSource_MouseDown(*form, 7, button);
        EXPECT_FALSE(form->dragSource.has_value()) << button;
    }
    cmdSource_MouseDown(*form, 7, kRightButton);
    ASSERT_TRUE(form->dragSource.has_value());
    EXPECT_EQ(*form->dragSource, 7);

    auto other = startedForm();
    pressOnMarker(*other, 7, 1);
    releaseDrag(*other, 1500, 2000);
    EXPECT_FLOAT_EQ(other->cmdSource[7].left, 360.0f);
}

TEST(MarkerDrag, DropOverTheWindowSurfaceRunsTheHandler) {
    auto form = startedForm();
    dragMarker(*form, 7, 1500, 2000);
    EXPECT_FLOAT_EQ(form->cmdSource[7].left, 1200.0f);
    EXPECT_FLOAT_EQ(form->cmdSource[7].top, 1860.0f);
    EXPECT_FALSE(form->dragSource.has_value());

    // Lines and frames are part of the window's surface.
    dragMarker(*form, 6, 540, 2500);  // on the power axis
    EXPECT_FLOAT_EQ(form->cmdSource[6].top, 2340.0f);
    form->cmdShape[0].left = 3000;
    form->cmdShape[0].top = 1000;
    form->cmdShape[0].visible = true;
    dragMarker(*form, 5, 3100, 1100);
    EXPECT_FLOAT_EQ(form->cmdSource[5].left, 2880.0f);
}

TEST(MarkerDrag, DropOverAnyControlIsLostAndTakesNoDraw) {
    auto form = startedForm();
    dragMarker(*form, 7, 1500, 2000);  // marker 7 now at (1200, 1860)
    form->state.bChannelValid = true;
    const std::uint64_t draws = form->state.generator.count();

    dragMarker(*form, 6, 1300, 1900);  // over marker 7
    dragMarker(*form, 6, 450, 4000);   // over itself on the parking stack
    dragMarker(*form, 6, 5500, 3700);  // over the label "Delay"
    dragMarker(*form, 6, 500, 4500);   // over the tick label "0"
    dragMarker(*form, 6, 6000, 4200);  // over "Random"
    dragMarker(*form, 6, 8000, 1000);  // over an eye diagram
    EXPECT_FLOAT_EQ(form->cmdSource[6].left, 360.0f);
    EXPECT_FLOAT_EQ(form->cmdSource[6].top, 3900.0f);
    EXPECT_EQ(form->cmdSource[6].tag, "");
    EXPECT_EQ(form->state.generator.count(), draws);
    EXPECT_TRUE(form->state.bChannelValid);
    EXPECT_FALSE(form->dragSource.has_value());
}

TEST(MarkerDrag, DropOutsideTheClientAreaIsLost) {
    auto form = startedForm();
    const std::uint64_t draws = form->state.generator.count();
    dragMarker(*form, 7, -1, 2000);
    dragMarker(*form, 7, 2000, -0.5f);
    dragMarker(*form, 7, 14295, 2000);
    dragMarker(*form, 7, 2000, 10515);
    dragMarker(*form, 7, -1e9f, 1e9f);
    EXPECT_FLOAT_EQ(form->cmdSource[7].left, 360.0f);
    EXPECT_FLOAT_EQ(form->cmdSource[7].top, 3900.0f);
    EXPECT_EQ(form->state.generator.count(), draws);
}

TEST(MarkerDrag, HiddenMarkerCannotBeDragged) {
    auto form = startedForm();
    form->cmdSource[7].visible = false;
    dragMarker(*form, 7, 1500, 2000);
    EXPECT_FLOAT_EQ(form->cmdSource[7].left, 360.0f);
    EXPECT_FALSE(form->dragSource.has_value());
}

}  // namespace
}  // namespace tarvel
