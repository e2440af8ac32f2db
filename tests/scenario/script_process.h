#pragma once
// Runs the built tarvel-script as a separate process, as a user or CI would,
// and collects its exit status, its output lines and its error text.

#include <string>
#include <string_view>
#include <vector>

#include "json_value.h"

namespace tarvel::scenario {

// A scenario names a dump by a marker line just before it: "#: name".
struct ScriptRun {
    int exitStatus = -1;
    std::vector<std::string> lines;      // standard output, split at '\n'
    std::string errors;                  // standard error, as written
    std::vector<std::string> dumpNames;  // the marker of each dump command, in order

    // The output line of the dump named `name`, as text and parsed as JSON.
    const std::string& line(std::string_view name) const;
    JsonValue dump(std::string_view name) const;
    // Every dump named `name`, in order (a scenario may repeat a name).
    std::vector<JsonValue> dumps(std::string_view name) const;
};

// `tarvel-script FILE` on a committed scenario (a name under scenarios/).
ScriptRun runScenarioFile(std::string_view name);

// `tarvel-script` with `script` on standard input.
ScriptRun runScriptText(std::string_view script);

// A committed file under tests/scenario/ (for expected output).
std::string readScenarioData(std::string_view relativePath);

}  // namespace tarvel::scenario
