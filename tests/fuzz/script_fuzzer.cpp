// libFuzzer harness over the scenario runner: reading and running any bytes
// as a script must end with status 0 or 2, never crash, hang or leak, and a
// refused script must say which line and why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
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
