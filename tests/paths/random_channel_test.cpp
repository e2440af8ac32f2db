#include "paths/random_channel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/user_actions.h"
#include "paths/path_editing.h"
#include "paths/path_state.h"
#include "paths/tag_text.h"
#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::startedForm;
using testing::switchOn;

TEST(RandomChannel, TakesExactlyTwentyFourDraws) {
    auto form = startedForm();
    const std::uint64_t before = form->state.generator.count();
    cmdRand_Click(*form);
    EXPECT_EQ(form->state.generator.count() - before, 24u);
    cmdRand_Click(*form);
    EXPECT_EQ(form->state.generator.count() - before, 48u);
}

TEST(RandomChannel, SmallestDrawsGiveLeft420AndTop3900) {
    auto form = startedForm();
    for (float r : {0.0f, 0.0f, 0.0f}) form->state.generator.queue(r);
    cmdRand_Click(*form);
    EXPECT_EQ(form->cmdSource[0].left, 420.0f);
    EXPECT_EQ(form->cmdSource[0].top, 3900.0f);
    EXPECT_EQ(form->cmdSource[0].tag, "3.1415926");
}

TEST(RandomChannel, LargestDrawsStayShortOf5160And540) {
    auto form = startedForm();
    const float largest = std::nextafter(1.0f, 0.0f);
    for (int k = 0; k < 3; ++k) form->state.generator.queue(largest);
    cmdRand_Click(*form);
    EXPECT_LT(form->cmdSource[0].left, 5160.0f);
    EXPECT_GT(form->cmdSource[0].left, 5159.99f);
    EXPECT_GT(form->cmdSource[0].top, 540.0f);
    EXPECT_LT(form->cmdSource[0].top, 540.01f);
}

TEST(RandomChannel, DrawsGoToLeftTopAndPhaseMarkerByMarker) {
    auto form = startedForm();
    // 24 distinct dyadic values: every position is exact, so the order shows.
    for (int k = 0; k < 24; ++k) form->state.generator.queue(static_cast<float>(k + 1) / 32.0f);
    cmdRand_Click(*form);
    for (int i = 0; i < kPathCount; ++i) {
        const double r1 = (3 * i + 1) / 32.0;
        const double r2 = (3 * i + 2) / 32.0;
        const double r3 = (3 * i + 3) / 32.0;
        EXPECT_EQ(form->cmdSource[i].left, static_cast<float>(420 + 4740 * r1)) << i;
        EXPECT_EQ(form->cmdSource[i].top, static_cast<float>(3900 - 3360 * r2)) << i;
        EXPECT_NEAR(tagNumericValue(form->cmdSource[i].tag), (1 + 2 * r3) * 3.1415926, 1e-13) << i;
        EXPECT_EQ(form->cmdShape[i].left, form->cmdSource[i].left) << i;
        EXPECT_EQ(form->cmdShape[i].top, form->cmdSource[i].top) << i;
    }
    EXPECT_EQ(form->cmdSource[0].left, 568.125f);    // 420 + 4740 / 32
    EXPECT_EQ(form->cmdSource[0].top, 3690.0f);      // 3900 - 3360 * 2 / 32
    EXPECT_EQ(form->cmdSource[7].tag, "7.8539815");  // r3 = 24/32
}

TEST(RandomChannel, PhaseTagsAreTheirFifteenDigitText) {
    auto form = startedForm();
    const float r3[] = {0.25f, 0.5f, 0.1f};
    const char* expected[] = {"4.7123889", "6.2831852", nullptr};
    for (int i = 0; i < 3; ++i) {
        form->state.generator.queue(0.5f);
        form->state.generator.queue(0.5f);
        form->state.generator.queue(r3[i]);
    }
    cmdRand_Click(*form);
    EXPECT_EQ(form->cmdSource[0].tag, expected[0]);
    EXPECT_EQ(form->cmdSource[1].tag, expected[1]);
    // 0.1f is not 0.1: its phase shows all 15 digits.
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.15G",
                  (2 * static_cast<double>(0.1f) + 1) * 3.1415926);
    EXPECT_EQ(form->cmdSource[2].tag, std::string(reference));
}

TEST(RandomChannel, LeavesOnOffColoursAndVisibilityAlone) {
    auto form = startedForm();
    switchOn(*form, 1);
    switchOn(*form, 6);
    form->cmdShape[6].visible = true;
    form->cmdSource[6].visible = false;  // a fading path
    form->state.bChannelValid = true;
    cmdRand_Click(*form);
    for (int i = 0; i < kPathCount; ++i) {
        const bool on = i == 1 || i == 6;
        EXPECT_EQ(isPathOn(*form, i), on) << i;
        EXPECT_EQ(form->lneImpulse[i].visible, on) << i;
        EXPECT_EQ(form->cmdShape[i].visible, i == 6) << i;
        EXPECT_EQ(form->cmdSource[i].visible, i != 6) << i;
        EXPECT_NE(form->cmdSource[i].left, 360.0f) << i;  // every marker moved
    }
    EXPECT_FLOAT_EQ(form->lneImpulse[1].x1, form->cmdSource[1].left + 187.5f);
    EXPECT_FLOAT_EQ(form->lneImpulse[1].y1, form->cmdSource[1].top + 187.5f);
    EXPECT_FALSE(form->state.bChannelValid);
}

TEST(RandomChannel, NoPathOnStillMovesEveryMarkerWithoutLines) {
    auto form = startedForm();
    clickRandom(*form);
    for (int i = 0; i < kPathCount; ++i) {
        EXPECT_GE(form->cmdSource[i].left, 420.0f) << i;
        EXPECT_LT(form->cmdSource[i].left, 5160.0f) << i;
        EXPECT_GT(form->cmdSource[i].top, 540.0f) << i;
        EXPECT_LE(form->cmdSource[i].top, 3900.0f) << i;
        EXPECT_FALSE(form->lneImpulse[i].visible) << i;
        EXPECT_NE(tagNumericValue(form->cmdSource[i].tag), 37.0) << i;
    }
}

}  // namespace
}  // namespace tarvel
