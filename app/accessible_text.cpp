#include "app/accessible_text.h"

#include <cmath>
#include <cstdio>

#include "paths/diagram_geometry.h"
#include "paths/path_state.h"

namespace tarvel {

// The exact binary value rounded, a half to even. Scaled by 100 in double
// precision the value is close enough to decide, except within a hair of a
// half, which printf decides; printf is slow in the web build, where its
// long double is done in software, and markers are described at every look.
std::string twoDecimals(double value) {
    const double scaled = value * 100;
    if (std::fabs(scaled) < 1e9 && std::fabs(scaled - std::floor(scaled) - 0.5) > 1e-6) {
        const long long hundredths = std::llround(scaled);
        const long long magnitude = hundredths < 0 ? -hundredths : hundredths;
        const std::string cents = std::to_string(magnitude % 100);
        return (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." +
               (cents.size() == 1 ? "0" : "") + cents;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string result(text);
    if (result == "-0.00") result = "0.00";
    return result;
}

double markerDelay(float left) {
    return static_cast<double>(left - kDelayZeroLeft) / static_cast<double>(kTwipsPerMicrosecond);
}

double markerPower(float top) {
    return static_cast<double>(kPowerZeroTop - top) / static_cast<double>(kTwipsOfFullPower);
}

namespace {

// What an eye diagram shows, then how to empty it.
std::string eyeDescription(const PictureBox& eye) {
    constexpr const char* kClears = "A click, Enter or Space clears it.";
    return eye.description.empty() ? kClears : eye.description + " " + kClears;
}

}  // namespace

std::string markerAccessibleName(int index) {
    return "Path " + std::to_string(index + 1);
}

std::string markerAccessibleDescription(bool switchedOn, float left, float top) {
    // Then the editing it takes: clicks, the four keys, the right-button drag.
    return std::string(switchedOn ? "on" : "off") + ", delay " + twoDecimals(markerDelay(left)) +
           " \u00b5s, relative power " + twoDecimals(markerPower(top)) +
           ". A click selects it, a second click switches it " + (switchedOn ? "off" : "on") +
           "; keys u, d, l, r move it up, down, left, right; drag with the right button to move "
           "it, into the bottom-left corner to park it switched off.";
}

std::string valueAccessibleDescription(const std::string& value, const char* unit) {
    // A figure's text keeps a place for its sign, which is not read.
    const std::size_t first = value.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return value.substr(first) + " " + unit;
}

AccessibleText accessibleTextOf(const Form& form, ControlRef control) {
    const auto i = static_cast<std::size_t>(control.index);
    switch (control.kind) {
        case ControlKind::Label1:
            return {form.label1.caption, {}};
        case ControlKind::Label2:
            return {form.label2.caption, {}};
        case ControlKind::LblAt: {
            const StatisticsRow* row = statisticsRowOf(control.index);
            if (row == nullptr) return {form.lblAt[i].caption, {}};
            return {form.lblAt[static_cast<std::size_t>(row->title)].caption,
                    valueAccessibleDescription(form.lblAt[i].caption, row->unit)};
        }
        case ControlKind::CmdSource: {
            const CommandButton& marker = form.cmdSource[i];
            return {markerAccessibleName(control.index),
                    markerAccessibleDescription(isPathOn(form, control.index), marker.left,
                                                marker.top)};
        }
        case ControlKind::CmdRand:
            return {form.cmdRand.caption, {}};
        case ControlKind::CmdGo:
            return {form.cmdGo[i].caption, {}};
        case ControlKind::HscFade:
            return {"Fading speed", "0 is no fading, 5 the fastest"};
        case ControlKind::VscSpectrumRange:
            return {"Plot range", "Range of the frequency response's vertical axis"};
        // Named by the label that titles it; its item is its value.
        case ControlKind::CmbSymbol:
            return {form.lblAt[kSymbolTimeTitle].caption, "in \u00b5s"};
        case ControlKind::ImgZelm:
            return {form.caption + " logo", {}};
        case ControlKind::PicIndividual:
            return {"Single-path eye diagram", eyeDescription(form.picIndividual)};
        case ControlKind::PicCombo:
            return {"Eye diagrams of each path", eyeDescription(form.picCombo)};
        case ControlKind::PicSumGraph:
            return {"Eye diagram of the received sum", eyeDescription(form.picSumGraph)};
        case ControlKind::PicSpectrum:
            return {"Frequency response", form.picSpectrum.description};
        case ControlKind::ChkLinear:
            return {form.chkLinear.caption, {}};
        case ControlKind::ChkMemory:
            return {form.chkMemory.caption, {}};
    }
    return {};
}

const StatisticsRow* statisticsRowOf(int labelIndex) {
    for (const StatisticsRow& row : kStatisticsRows) {
        if (row.value == labelIndex) return &row;
    }
    return nullptr;
}

}  // namespace tarvel
