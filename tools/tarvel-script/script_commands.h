#pragma once
// The scenario commands: user actions through the core's own user-action
// functions, test set-up, and the dumps.

#include <ostream>
#include <span>
#include <string_view>

#include "tools/tarvel-script/script_session.h"

namespace tarvel::script {

// The most ticks one `tick N` line may ask for: enough for any soak a
// scenario needs, few enough that no line runs for hours.
constexpr int kMaxTicksPerLine = 100000;

// Runs one non-empty line: words[0] is the command. Every argument is checked
// before anything runs; a bad line throws ScriptError and changes nothing.
void runCommand(ScriptSession& session, std::span<const std::string_view> words, std::ostream& out);

}  // namespace tarvel::script
