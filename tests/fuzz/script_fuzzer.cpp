// libFuzzer harness over the scenario runner: reading and running any bytes
// as a script must end with status 0 or 2, never crash, hang or leak, and a
// refused script must say which line and why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "script_runner.h"

namespace {

// A tick costs milliseconds under the sanitizers; scripts that would run more
// than a few dozen are outside the fuzzer's time budget and are skipped (the
// scenario tests and the action storm cover long runs).
constexpr long kTickBudget = 32;

bool withinTickBudget(const std::string& text) {
    long ticks = 0;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "tick") {
            std::string count;
            words >> count;
            ticks += count.empty() ? 1 : std::strtol(count.c_str(), nullptr, 10);
        } else if (command == "reset" || command == "symbol" || command == "fade") {
            ++ticks;
        }
        if (ticks < 0 || ticks > kTickBudget) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!withinTickBudget(text)) return 0;
    std::istringstream script(text);
    std::ostringstream out;
    std::ostringstream err;
    const int status = tarvel::script::runScript(script, out, err);
    if (status == tarvel::script::kExitOk) {
        if (!err.str().empty()) std::abort();
    } else if (status == tarvel::script::kExitScriptError) {
        if (err.str().rfind("line ", 0) != 0) std::abort();
    } else {
        std::abort();
    }
    return 0;
}
