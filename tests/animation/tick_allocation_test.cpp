// The tick runs ten times a second for as long as the window is open: it
// must not touch the heap. Counted by replacing the global allocator of this
// test executable.
#include <gtest/gtest.h>

#include "animation/timer_tick.h"
#include "animation_test_support.h"
#include "app/user_actions.h"
#include "counting_allocator.h"

namespace tarvel {
namespace {

TEST(TimerTick, AllocatesNothingWithEveryPathOnAndFading) {
    const long atStart = testing::heapAllocations();
    auto form = test_support::startedForm();
    ASSERT_GT(testing::heapAllocations() - atStart, 0);  // the counter does count
    for (int i = 0; i < kPathCount; ++i) {
        test_support::placePath(*form, i, 360.0f + 600.0f * static_cast<float>(i),
                                600.0f + 400.0f * static_cast<float>(i));
    }
    setFadeValue(*form, 5);
    Timer1_Timer(*form);

    const long before = testing::heapAllocations();
    for (int tick = 0; tick < 50; ++tick) Timer1_Timer(*form);
    EXPECT_EQ(testing::heapAllocations() - before, 0);
    EXPECT_FALSE(form->cmdSource[3].visible);  // the paths really did fade
}

}  // namespace
}  // namespace tarvel
