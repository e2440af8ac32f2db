#include "invariants.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/drop_target.h"
#include "paths/path_state.h"

namespace tarvel::robustness {
namespace {

constexpr std::uint64_t kTickSymbols = 64;

template <typename Array>
bool allFinite(const Array& values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

std::string firstNonFiniteArray(const DemoState& s) {
    struct Named {
        const char* name;
        bool finite;
    };
    const Named arrays[] = {
        {"dPulseRe", allFinite(s.dPulseRe)},
        {"dPulseIm", allFinite(s.dPulseIm)},
        {"dPulseSpectrum", allFinite(s.dPulseSpectrum)},
        {"dPathSpectrum", allFinite(s.dPathSpectrum)},
        {"dPowerSpectrum", allFinite(s.dPowerSpectrum)},
        {"dMemorySpectrum", allFinite(s.dMemorySpectrum)},
        {"dFadeI", allFinite(s.dFadeI)},
        {"dFadeQ", allFinite(s.dFadeQ)},
        {"dFadeMeanPower", allFinite(s.dFadeMeanPower)},
        {"dSymbol", allFinite(s.dSymbol)},
        {"dSymbolTrain", allFinite(s.dSymbolTrain)},
        {"dShapedSpectrum", allFinite(s.dShapedSpectrum)},
        {"dShapedSignal", allFinite(s.dShapedSignal)},
        {"dSumSignal", allFinite(s.dSumSignal)},
    };
    for (const Named& a : arrays) {
        if (!a.finite) return a.name;
    }
    return "";
}

bool within(float value, float low, float high) {
    return value >= low && value <= high;
}

// Digits, then optionally a point and one or two digits, the last not 0.
bool isPlainDecimal(const std::string& text, std::size_t from) {
    std::size_t i = from;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    const bool wholeDigits = i > from;
    if (i == text.size()) return wholeDigits;
    if (text[i] != '.') return false;
    const std::size_t fraction = text.size() - i - 1;
    if (fraction < 1 || fraction > 2) return false;
    for (std::size_t k = i + 1; k < text.size(); ++k) {
        if (!std::isdigit(static_cast<unsigned char>(text[k]))) return false;
    }
    return wholeDigits && text.back() != '0';
}

bool barWithin(const ScrollBar& bar) {
    return bar.value >= bar.min && bar.value <= bar.max;
}

// The controls that hold a value: bars within their ends, the list on one
// of its items, the toggles on or off.
std::string checkControlValues(const Form& form) {
    if (!barWithin(form.hscFade))
        return "fading bar at " + std::to_string(form.hscFade.value) + ", beyond its ends";
    if (!barWithin(form.vscSpectrumRange))
        return "range bar at " + std::to_string(form.vscSpectrumRange.value) + ", beyond its ends";
    const ComboBox& list = form.cmbSymbol;
    if (list.listIndex < 0 || list.listIndex >= static_cast<int>(list.items.size()) ||
        list.text != list.items[static_cast<std::size_t>(list.listIndex)])
        return "symbol list on item " + std::to_string(list.listIndex) + " reading \"" + list.text +
               "\"";
    for (const CheckBox* box : {&form.chkLinear, &form.chkMemory}) {
        if (box->value != 0 && box->value != 1) return "check box at " + std::to_string(box->value);
    }
    return "";
}

bool isMarker(int index) {
    return index >= 0 && index < kPathCount;
}

}  // namespace

bool isWellFormedCaption(const std::string& caption) {
    if (caption == "Inf") return true;
    if (caption.size() >= 2 && caption[0] == ' ' && caption[1] != '0' && caption[1] != '.')
        return isPlainDecimal(caption, 1);
    if (caption == " 0") return true;
    return caption.size() >= 3 && caption[0] == '0' && caption[1] == '.' &&
           isPlainDecimal(caption, 0);
}

bool computes(const UserAction& action) {
    using K = UserAction::Kind;
    switch (action.kind) {
        case K::Tick:
        case K::Reset:
        case K::Fade:
        case K::Symbol:
        case K::Linear:
        case K::Memory:
        case K::Range:
            return true;
        default:
            return false;
    }
}

std::string checkInvariants(const Form& form, bool checkArrays) {
    for (int i = 0; i < kPathCount; ++i) {
        const CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
        const FilledShape& frame = form.cmdShape[static_cast<std::size_t>(i)];
        if (!within(marker.left, 360, 5220) || !within(marker.top, 360, 3900))
            return "marker " + std::to_string(i) + " outside the diagram";
        if (!within(frame.left, 360, 5220) || !within(frame.top, 120, 3900))
            return "frame " + std::to_string(i) + " outside the diagram";
    }
    if (std::string reason = checkControlValues(form); !reason.empty()) return reason;
    if (checkArrays) {
        if (const std::string name = firstNonFiniteArray(form.state); !name.empty())
            return name + " holds a value that is not finite";
    }
    for (const StatisticsRow& row : kStatisticsRows) {
        const std::string& caption = form.lblAt[static_cast<std::size_t>(row.value)].caption;
        if (!isWellFormedCaption(caption))
            return "value field " + std::to_string(row.value) + " reads \"" + caption + "\"";
    }
    return "";
}

DrawBudget drawBudget(const Form& before, const UserAction& action) {
    using K = UserAction::Kind;
    int pathsOn = 0;
    for (int i = 0; i < kPathCount; ++i) pathsOn += isPathOn(before, i) ? 1 : 0;
    const bool fading = before.hscFade.value > 0;
    // A tick: 64 symbols, and while fading at least one polar pair per switched-on path.
    const auto tick = [&](bool fadingNow, int onNow) {
        DrawBudget b;
        b.runsTick = true;
        b.least = kTickSymbols + (fadingNow ? 2u * static_cast<std::uint64_t>(onNow) : 0u);
        b.exact = !fadingNow || onNow == 0;
        return b;
    };
    switch (action.kind) {
        case K::Tick:
            return tick(fading, pathsOn);
        case K::Symbol: {
            const int items = static_cast<int>(before.cmbSymbol.items.size());
            if (action.index < 0 || action.index >= items) return {};
            return tick(fading, pathsOn);
        }
        case K::Reset:
            return tick(fading, 0);
        case K::Fade: {
            const ScrollBar& bar = before.hscFade;
            const int value = std::clamp(action.index, bar.min, bar.max);
            if (value != bar.value && value == 0) return tick(false, 0);
            return {};
        }
        case K::Random:
            return {24, true, false};
        case K::Drag: {
            const bool dropRuns =
                isMarker(action.index) &&
                before.cmdSource[static_cast<std::size_t>(action.index)].visible &&
                isWindowSurfaceAt(before, action.x, action.y);
            return {dropRuns ? 1u : 0u, true, false};
        }
        default:
            return {};
    }
}

std::string checkDraws(const DrawBudget& budget, std::uint64_t drawsTaken) {
    const bool ok = budget.exact
                        ? drawsTaken == budget.least
                        : drawsTaken >= budget.least && (drawsTaken - budget.least) % 2 == 0;
    if (ok) return "";
    return "took " + std::to_string(drawsTaken) + " draws, expected " +
           (budget.exact ? "" : "at least ") + std::to_string(budget.least);
}

}  // namespace tarvel::robustness
