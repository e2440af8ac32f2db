// CalcChannel runs on every animation tick while paths fade: it must not
// touch the heap. The global operator new is replaced to count.

#include <gtest/gtest.h>

#include "analysis/calc_channel.h"
#include "analysis/nr_fft.h"
#include "analysis/statistic_caption.h"
#include "app/user_actions.h"
#include "counting_allocator.h"
#include "support/path_placement.h"
#include "support/recording_surface.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

TEST(NoAllocation, CalcChannelWithEveryPathOnAndAMemoryHeld) {
    auto form = testing::startedForm();
    for (int i = 0; i < kPathCount; ++i) {
        testing::placePath(*form, i, 360.0f + 600.0f * static_cast<float>(i),
                           400.0f + 300.0f * static_cast<float>(i));
    }
    clickMemory(*form);
    ASSERT_TRUE(form->state.bMemoryHeld);
    EXPECT_EQ(testing::allocationsDuring([&] { CalcChannel(*form); }), 0);

    clickLinear(*form);
    EXPECT_EQ(testing::allocationsDuring([&] { CalcChannel(*form); }), 0);
}

TEST(NoAllocation, CalcChannelWithNoPath) {
    auto form = testing::startedForm();
    EXPECT_EQ(testing::allocationsDuring([&] { CalcChannel(*form); }), 0);
}

TEST(NoAllocation, FftAndCaptions) {
    auto data = std::make_unique<ComplexVector>();
    (*data)[2] = 1;
    EXPECT_EQ(testing::allocationsDuring([&] { ASSERT_TRUE(FFT(data->data(), kPoints, false)); }),
              0);
    Label label;
    label.caption = "Delay Spread";
    EXPECT_EQ(testing::allocationsDuring([&] { setStatisticCaption(label, 0.125); }), 0);
    EXPECT_EQ(testing::allocationsDuring([&] { setStatisticCaption(label, -1e15); }), 0);
}

// The counter itself must see allocations, or the checks above prove nothing.
TEST(NoAllocation, CounterSeesAnAllocation) {
    // A direct call, which the compiler may not elide as it may a new-expression.
    EXPECT_GT(testing::allocationsDuring([] { ::operator delete(::operator new(16)); }), 0);
}

}  // namespace
}  // namespace tarvel
