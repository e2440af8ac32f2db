#pragma once
// The scenario runner as a library function, so that the command-line tool,
// the tests and a fuzzer share one entry point.

#include <istream>
#include <ostream>

namespace tarvel::script {

constexpr int kExitOk = 0;
constexpr int kExitScriptError = 2;

// Starts a fresh window model, then runs the scenario's lines in order. Dumps
// go to `out`, one JSON object per line. The first bad line is reported to
// `err` as "line N: <reason>" and nothing after it runs.
// Returns kExitOk or kExitScriptError.
int runScript(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace tarvel::script
