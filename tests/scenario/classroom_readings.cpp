#include "classroom_readings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>

namespace tarvel::scenario {
namespace {

// The path vector holds 30 elements, 15 complex points, per microsecond, so
// a bin of the 4096-point response is 15/4096 MHz. The plot spans the first
// 4096/7.4 bins, and its axis reads 0 at their middle.
constexpr int kDrawnBins = 554;
constexpr double kMHzPerBin = 15.0 / 4096;
constexpr double kAxisZeroMHz = 15.0 / 14.8;

// The diagram: Left 360 is delay 0, 1200 twips a microsecond; Top 3900 is
// power 0, 3540 twips a unit of relative power.
constexpr double kDelayZeroLeft = 360;
constexpr double kTwipsPerMicrosecond = 1200;
constexpr double kPowerZeroTop = 3900;
constexpr double kTwipsOfFullPower = 3540;

std::string fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result(text);
    if (result.starts_with("-") && result.find_first_not_of("-0.") == std::string::npos) {
        result.erase(0, 1);  // no "-0.00"
    }
    return result;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string{} : text.substr(first);
}

double captionValue(const std::string& caption) {
    return std::stod(caption);
}

// A value field's caption as the label shows it; the guide drops the leading
// space the label keeps before numbers of 1 and above.
Reading caption(const char* field) {
    return {[field](const StepDumps& s) { return trimmed(s.state()["lblAt"][field].text()); }};
}

Reading words(const char* picture) {
    return {[picture](const StepDumps& s) { return s.words()[picture].text(); }, true};
}

std::string frequencyList(const std::vector<double>& power) {
    const std::vector<double> notches = notchFrequencies(power);
    if (notches.empty()) return "none";
    std::string list;
    for (const double f : notches) list += (list.empty() ? "" : ", ") + fixed(f, 2);
    return list;
}

std::string notchSpacing(const std::vector<double>& power) {
    const std::vector<double> notches = notchFrequencies(power);
    if (notches.size() < 2) return "\u2014";  // an em dash: one notch has no spacing
    return fixed((notches.back() - notches.front()) / static_cast<double>(notches.size() - 1), 2);
}

double pathDelay(const JsonValue& state, std::size_t path) {
    return (state["cmdShape"][path]["left"].number() - kDelayZeroLeft) / kTwipsPerMicrosecond;
}

// Read from the frame, which the fading moves while the marker is hidden.
double pathPower(const JsonValue& state, std::size_t path) {
    return (kPowerZeroTop - state["cmdShape"][path]["top"].number()) / kTwipsOfFullPower;
}

std::vector<double> meanDelays(const StepDumps& s) {
    std::vector<double> means;
    for (const JsonValue& state : s.states())
        means.push_back(captionValue(state["lblAt"]["19"].text()));
    if (means.size() < 2) throw std::runtime_error("a live run needs two dumps or more: " + s.step);
    return means;
}

std::string path7Delay(const StepDumps& s) {
    return fixed(pathDelay(s.state(), 6), 1);
}
std::string path8Delay(const StepDumps& s) {
    return fixed(pathDelay(s.state(), 7), 1);
}
std::string path7Power(const StepDumps& s) {
    return fixed(pathPower(s.state(), 6), 2);
}
std::string path8Power(const StepDumps& s) {
    return fixed(pathPower(s.state(), 7), 2);
}
std::string symbolTime(const StepDumps& s) {
    return s.state()["cmbSymbol"]["text"].text();
}
std::string fadingSpeed(const StepDumps& s) {
    return std::to_string(static_cast<int>(s.state()["hscFade"].number()));
}

std::string spreadOverSymbolTime(const StepDumps& s) {
    const JsonValue state = s.state();
    return fixed(captionValue(state["lblAt"]["3"].text()) / state["symbolTime"].number(), 2);
}

std::string notches(const StepDumps& s) {
    return frequencyList(s.arrays()["dPowerSpectrum"].numbers());
}
std::string spacing(const StepDumps& s) {
    return notchSpacing(s.arrays()["dPowerSpectrum"].numbers());
}
std::string memoryNotches(const StepDumps& s) {
    return frequencyList(s.arrays()["dMemorySpectrum"].numbers());
}

std::string meanDelayRange(const StepDumps& s) {
    const std::vector<double> means = meanDelays(s);
    const auto [low, high] = std::minmax_element(means.begin(), means.end());
    return fixed(*low, 2) + " to " + fixed(*high, 2);
}

std::string largestSpread(const StepDumps& s) {
    double largest = 0;
    for (const JsonValue& state : s.states()) {
        largest = std::max(largest, captionValue(state["lblAt"]["3"].text()));
    }
    return fixed(largest, 2);
}

// The median step of the mean delay from one tick to the next.
std::string typicalMeanDelayChange(const StepDumps& s) {
    const std::vector<double> means = meanDelays(s);
    std::vector<double> changes;
    for (std::size_t i = 1; i < means.size(); ++i) {
        changes.push_back(std::fabs(means[i] - means[i - 1]));
    }
    const auto middle = changes.begin() + static_cast<std::ptrdiff_t>(changes.size() / 2);
    std::nth_element(changes.begin(), middle, changes.end());
    return fixed(*middle, 2);
}

const std::map<std::string, Reading, std::less<>>& readings() {
    static const std::map<std::string, Reading, std::less<>> table{
        // The set-up a student makes.
        {"Path 7 at (\u00b5s)", {path7Delay}},
        {"Path 8 at (\u00b5s)", {path8Delay}},
        {"Path 7 power", {path7Power}},
        {"Path 8 power", {path8Power}},
        {"Symbol time (\u00b5s)", {symbolTime}},
        {"Fading speed", {fadingSpeed}},
        // The statistics rows.
        {"Mean delay (\u00b5s)", caption("19")},
        {"Delay spread (\u00b5s)", caption("3")},
        {"1/spread (MHz)", caption("7")},
        {"0.2/spread (MHz)", caption("21")},
        {"0.02/spread (MHz)", caption("24")},
        {"Spread / symbol time", {spreadOverSymbolTime}},
        // The frequency response: the black trace, and the memory's green one.
        {"Notches near (MHz)", {notches}},
        {"Notch spacing (MHz)", {spacing}},
        {"Green notches near (MHz)", {memoryNotches}},
        // The pictures in words.
        {"The diagram reads", words("diagram")},
        {"The frequency response reads", words("picSpectrum")},
        {"The sum's eye reads", words("picSumGraph")},
        // A live run: every dump of the step, one a tick.
        {"Mean delay, lowest to highest (\u00b5s)", {meanDelayRange}},
        {"Largest delay spread (\u00b5s)", {largestSpread}},
        {"Typical change of the mean delay per tick (\u00b5s)", {typicalMeanDelayChange}},
    };
    return table;
}

}  // namespace

const Reading* readingUnder(std::string_view heading) {
    const auto found = readings().find(heading);
    return found == readings().end() ? nullptr : &found->second;
}

bool cellMatches(const Reading& reading, const std::string& cell, const std::string& shown) {
    return reading.quotesSentences ? quotesWholeSentences(shown, cell) : cell == shown;
}

bool quotesWholeSentences(const std::string& text, const std::string& quote) {
    if (quote.empty() || quote.back() != '.') return false;
    for (std::size_t at = text.find(quote); at != std::string::npos;
         at = text.find(quote, at + 1)) {
        const bool startsSentence = at == 0 || (at >= 2 && text.compare(at - 2, 2, ". ") == 0);
        const std::size_t end = at + quote.size();
        if (startsSentence && (end == text.size() || text[end] == ' ')) return true;
    }
    return false;
}

std::vector<double> notchFrequencies(const std::vector<double>& power) {
    if (power.size() < kDrawnBins) throw std::runtime_error("a power response of too few bins");
    const double largest = *std::max_element(power.begin(), power.begin() + kDrawnBins);
    std::vector<double> notches;
    for (std::size_t k = 1; k + 1 < kDrawnBins; ++k) {
        const bool dip = power[k] < power[k - 1] && power[k] <= power[k + 1];
        if (dip && power[k] < largest / 10) {
            notches.push_back(static_cast<double>(k) * kMHzPerBin - kAxisZeroMHz);
        }
    }
    return notches;
}

}  // namespace tarvel::scenario
