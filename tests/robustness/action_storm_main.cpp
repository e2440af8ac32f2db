// A long storm of user actions over the core, outside the test suite:
//   action-storm [ACTIONS] [SEED]     (defaults: 1 000 000 actions, seed 2026)
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "action_storm.h"
#include "storm_report.h"

int main(int argc, char** argv) {
    using namespace tarvel::robustness;
    const std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : stormSeed(2026);
    const auto start = std::chrono::steady_clock::now();
    const StormOutcome outcome = runStorm(seed, count);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (outcome.failed) {
        reportFailure(outcome);
        return 1;
    }
    std::cout << outcome.actionsRun << " actions, seed " << seed << ", every invariant held ("
              << seconds << " s)\n";
    return 0;
}
