#pragma once

#include <cstdint>
#include <string>

#include "action_storm.h"

namespace tarvel::robustness {

// Seed from TARVEL_STORM_SEED when set, else the given default.
std::uint64_t stormSeed(std::uint64_t fallback);

// On a failure: prints the seed, shrinks the sequence and writes it as a
// scenario (TARVEL_STORM_OUT or storm-failure-<seed>.scenario); the message.
std::string reportFailure(const StormOutcome& outcome);

}  // namespace tarvel::robustness
