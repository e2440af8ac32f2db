#include "action_storm.h"

#include <fstream>
#include <memory>

#include "app/form_load.h"
#include "invariants.h"

namespace tarvel::robustness {

std::vector<UserAction> generateActions(std::uint64_t seed, std::size_t count) {
    std::mt19937_64 random(seed);
    std::vector<UserAction> actions;
    actions.reserve(count);
    for (std::size_t i = 0; i < count; ++i) actions.push_back(randomAction(random));
    return actions;
}

bool replay(const std::vector<UserAction>& actions, StormFailure* failure) {
    auto form = std::make_unique<Form>();
    Form_Load(*form);
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const DrawBudget budget = drawBudget(*form, actions[i]);
        const std::uint64_t drawsBefore = form->state.generator.count();
        perform(*form, actions[i]);
        std::string reason = checkInvariants(*form, computes(actions[i]));
        if (reason.empty())
            reason = checkDraws(budget, form->state.generator.count() - drawsBefore);
        if (reason.empty() && budget.runsTick && !form->state.bChannelValid)
            reason = "the analysis is out of date after a tick";
        // Each action here that presses a marker also releases it.
        if (reason.empty() && form->dragSource) reason = "a drag is still in flight";
        if (!reason.empty()) {
            if (failure) *failure = {i, reason};
            return false;
        }
    }
    return true;
}

StormOutcome runStorm(std::uint64_t seed, std::size_t count) {
    StormOutcome outcome;
    outcome.seed = seed;
    outcome.actions = generateActions(seed, count);
    outcome.failed = !replay(outcome.actions, &outcome.failure);
    outcome.actionsRun = outcome.failed ? outcome.failure.actionIndex + 1 : count;
    return outcome;
}

std::vector<UserAction> shortestFailing(std::vector<UserAction> actions) {
    return shortestFailing(std::move(actions),
                           [](const std::vector<UserAction>& candidate, StormFailure* failure) {
                               return !replay(candidate, failure);
                           });
}

std::vector<UserAction> shortestFailing(std::vector<UserAction> actions,
                                        const FailureCheck& fails) {
    StormFailure failure;
    if (!fails(actions, &failure)) return actions;
    actions.resize(failure.actionIndex + 1);
    // Delta debugging: drop ever smaller chunks while the failure persists.
    for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        std::size_t start = 0;
        while (start < actions.size() && actions.size() > 1) {
            std::vector<UserAction> candidate;
            candidate.reserve(actions.size());
            for (std::size_t i = 0; i < actions.size(); ++i) {
                if (i < start || i >= start + chunk) candidate.push_back(actions[i]);
            }
            if (!candidate.empty() && fails(candidate, &failure)) {
                candidate.resize(failure.actionIndex + 1);
                actions = std::move(candidate);
            } else {
                start += chunk;
            }
        }
        if (chunk == 1) break;
    }
    return actions;
}

std::string writeScenario(const std::string& path, std::uint64_t seed,
                          const std::vector<UserAction>& actions, const std::string& reason) {
    std::ofstream out(path);
    out << "# action storm, seed " << seed << ": " << reason << "\n";
    for (const UserAction& action : actions) out << action.scenarioLine() << "\n";
    out << "dump\n";
    return path;
}

}  // namespace tarvel::robustness
