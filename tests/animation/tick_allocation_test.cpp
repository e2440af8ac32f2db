// The tick runs ten times a second for as long as the window is open: it
// must not touch the heap. Counted by replacing the global allocator of this
// test executable.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "animation/timer_tick.h"
#include "animation_test_support.h"
#include "app/user_actions.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace tarvel {
namespace {

TEST(TimerTick, AllocatesNothingWithEveryPathOnAndFading) {
    const long atStart = allocations.load();
    auto form = test_support::startedForm();
    ASSERT_GT(allocations.load() - atStart, 0);  // the counter does count
    for (int i = 0; i < kPathCount; ++i) {
        test_support::switchOn(*form, i, 360.0f + 600.0f * static_cast<float>(i),
                               600.0f + 400.0f * static_cast<float>(i));
    }
    setFadeValue(*form, 5);
    Timer1_Timer(*form);

    const long before = allocations.load();
    for (int tick = 0; tick < 50; ++tick) Timer1_Timer(*form);
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_FALSE(form->cmdSource[3].visible);  // the paths really did fade
}

}  // namespace
}  // namespace tarvel
