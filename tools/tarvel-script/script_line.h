#pragma once
// Reading a scenario line by line and turning its words into checked
// arguments. Every failure throws ScriptError with the reason that the runner
// reports as "line N: <reason>".

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::script {

struct ScriptError {
    std::string reason;
};

// Longer lines are refused rather than held in memory.
constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

enum class LineRead { Line, End, TooLong };

// Reads up to the next '\n' (not kept) into `line`.
LineRead readLine(std::istream& in, std::string& line);

// The line's words, split at blanks; none for a blank line or a comment
// (first non-blank character '#').
std::vector<std::string_view> splitWords(std::string_view line);

// A word as quoted in a message: non-printable bytes escaped, cut short.
std::string quoted(std::string_view word);

// An integer written in full (no sign '+', no fraction, no trailing junk)
// within low..high; `what` names it in the message.
int parseInteger(std::string_view word, int low, int high, std::string_view what);

// A finite single-precision number written in full.
float parseFloat(std::string_view word);

// A key given as one character, or as "#N" for the character code N (0..255).
int parseKey(std::string_view word);

}  // namespace tarvel::script
