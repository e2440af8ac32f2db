#pragma once
// What a student reads in the program, worked out from the runner's dumps of
// one step of a classroom activity, under the headings the guide's tables
// use. Each reading gives the text the guide must show in that column.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "script_process.h"

namespace tarvel::scenario {

// One row of a checked table: the dumps of the step it names.
struct StepDumps {
    const ScriptRun& run;
    std::string step;  // "#: STEP" (state), "#: STEP arrays", "#: STEP words"

    JsonValue state() const { return run.dump(step); }
    JsonValue arrays() const { return run.dump(step + " arrays"); }
    JsonValue words() const { return run.dump(step + " words"); }
    std::vector<JsonValue> states() const { return run.dumps(step); }
};

struct Reading {
    std::function<std::string(const StepDumps&)> read;
    // The cell quotes whole sentences of a longer text (a picture's words)
    // rather than all of it.
    bool quotesSentences = false;
};

// The reading under a table heading, or nullptr for a heading the guide may
// not use (a misspelt heading must not pass unchecked).
const Reading* readingUnder(std::string_view heading);

// Whether the guide's cell shows what the program shows under that reading.
bool cellMatches(const Reading& reading, const std::string& cell, const std::string& shown);

// Whether `quote` is one or more whole sentences of `text`: it ends a
// sentence, and starts `text` or the sentence after one.
bool quotesWholeSentences(const std::string& text, const std::string& quote);

// The notches of a power response as the plot shows them: dips to 10 dB or
// more under the largest drawn value, as a notch is counted in the plot's
// words, each at the frequency of its bin under the plot's axis, in MHz.
std::vector<double> notchFrequencies(const std::vector<double>& power);

}  // namespace tarvel::scenario
