#include "storm_report.h"

#include <cstdlib>
#include <iostream>

namespace tarvel::robustness {

std::uint64_t stormSeed(std::uint64_t fallback) {
    const char* text = std::getenv("TARVEL_STORM_SEED");
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

std::string reportFailure(const StormOutcome& outcome) {
    const std::vector<UserAction> shortest = shortestFailing(outcome.actions);
    const char* out = std::getenv("TARVEL_STORM_OUT");
    const std::string path = out && *out
                                 ? std::string(out)
                                 : "storm-failure-" + std::to_string(outcome.seed) + ".scenario";
    writeScenario(path, outcome.seed, shortest, outcome.failure.reason);
    std::string message = "seed " + std::to_string(outcome.seed) + ": after action " +
                          std::to_string(outcome.failure.actionIndex) + " (" +
                          outcome.actions[outcome.failure.actionIndex].scenarioLine() +
                          "): " + outcome.failure.reason + "; shortest failing sequence (" +
                          std::to_string(shortest.size()) + " actions) written to " + path;
    std::cerr << message << "\n";
    return message;
}

}  // namespace tarvel::robustness
