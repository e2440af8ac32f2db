// An hour of animation: 36 000 ticks with all eight paths fading at speed 5.
// The core must not grow: memory is judged by the slope of the resident size
// after a warm-up, and the tick itself must allocate nothing on the heap.
//   tick-soak [TICKS]      (default 36 000)
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "app/user_actions.h"
#include "counting_allocator.h"

namespace {

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return 0;
}

// Least-squares slope of y over x.
double slope(const std::vector<double>& x, const std::vector<double>& y) {
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        mx += x[i];
        my += y[i];
    }
    mx /= static_cast<double>(x.size());
    my /= static_cast<double>(y.size());
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
    }
    return sxx > 0 ? sxy / sxx : 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tarvel;
    const long ticks = argc > 1 ? std::atol(argv[1]) : 36000;
    constexpr long kWarmUp = 2000;
    constexpr long kSampleEvery = 500;

    auto form = std::make_unique<Form>();
    Form_Load(*form);
    clickRandom(*form);
    for (int i = 0; i < kPathCount; ++i) {
        clickMarker(*form, i);
        clickMarker(*form, i);
    }
    setFadeValue(*form, 5);
    clickGo(*form, kGoStart);

    std::vector<double> at, kilobytes;
    at.reserve(static_cast<std::size_t>(ticks / kSampleEvery) + 1);
    kilobytes.reserve(at.capacity());
    std::size_t allocationsInTicks = 0;
    for (long t = 1; t <= ticks; ++t) {
        allocationsInTicks += static_cast<std::size_t>(
            tarvel::testing::allocationsDuring([&] { Timer1_Timer(*form); }));
        if (t > kWarmUp && t % kSampleEvery == 0) {
            at.push_back(static_cast<double>(t));
            kilobytes.push_back(static_cast<double>(residentKilobytes()));
        }
    }
    const double bytesPerTick = slope(at, kilobytes) * 1024.0;
    std::printf(
        "%ld ticks, 8 paths fading at 5: resident %ld kB at the end, slope %.4f bytes "
        "per tick after %ld warm-up ticks, %zu heap allocations inside ticks\n",
        ticks, residentKilobytes(), bytesPerTick, kWarmUp, allocationsInTicks);
    // A page per thousand ticks would be a leak; the tick itself allocates nothing.
    const bool ok = bytesPerTick < 4.0 && allocationsInTicks == 0;
    std::printf("%s\n", ok ? "1 passed, 0 failed" : "0 passed, 1 failed");
    return ok ? 0 : 1;
}
