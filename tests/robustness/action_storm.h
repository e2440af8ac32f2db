#pragma once
// Seeded storms of user actions over the core, with the invariants checked
// after every action, and the shortest failing sequence when one fails.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "user_action.h"

namespace tarvel::robustness {

struct StormFailure {
    std::size_t actionIndex = 0;  // the action after which a check failed
    std::string reason;
};

struct StormOutcome {
    std::uint64_t seed = 0;
    std::size_t actionsRun = 0;
    std::vector<UserAction> actions;  // the sequence that was run
    bool failed = false;
    StormFailure failure;
};

std::vector<UserAction> generateActions(std::uint64_t seed, std::size_t count);

// Replays the actions on a freshly started form; the first failure, if any.
bool replay(const std::vector<UserAction>& actions, StormFailure* failure);

StormOutcome runStorm(std::uint64_t seed, std::size_t count);

// Where a sequence first fails (as replay reports it); false when it does not fail.
using FailureCheck = std::function<bool(const std::vector<UserAction>&, StormFailure*)>;

// Removes actions while the sequence still fails; a sequence that does not
// fail comes back unchanged.
std::vector<UserAction> shortestFailing(std::vector<UserAction> actions, const FailureCheck& fails);
std::vector<UserAction> shortestFailing(std::vector<UserAction> actions);

// Writes a scenario that tarvel-script replays, ending with a dump.
std::string writeScenario(const std::string& path, std::uint64_t seed,
                          const std::vector<UserAction>& actions, const std::string& reason);

}  // namespace tarvel::robustness
