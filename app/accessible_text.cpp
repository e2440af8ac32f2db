#include "app/accessible_text.h"

#include <cstdio>

#include "paths/diagram_geometry.h"
#include "paths/path_state.h"

namespace tarvel {
namespace {

// Two decimals; a value that rounds to zero reads "0.00", never "-0.00".
std::string twoDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string result(text);
    if (result == "-0.00") result = "0.00";
    return result;
}

}  // namespace

std::string markerAccessibleName(int index) {
    return "Path " + std::to_string(index + 1);
}

std::string markerAccessibleDescription(bool switchedOn, float left, float top) {
    const double delay =
        static_cast<double>(left - kDelayZeroLeft) / static_cast<double>(kTwipsPerMicrosecond);
    const double power =
        static_cast<double>(kPowerZeroTop - top) / static_cast<double>(kTwipsOfFullPower);
    return std::string(switchedOn ? "on" : "off") + ", delay " + twoDecimals(delay) +
           " \u00b5s, relative power " + twoDecimals(power);
}

std::string valueAccessibleDescription(const std::string& value, const char* unit) {
    if (value.empty()) return {};
    return value + " " + unit;
}

AccessibleText accessibleTextOf(const Form& form, ControlRef control) {
    const auto i = static_cast<std::size_t>(control.index);
    const std::string clearsOnClick = "A click clears the diagram";
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
            return {"Single-path eye diagram", clearsOnClick};
        case ControlKind::PicCombo:
            return {"Eye diagrams of each path", clearsOnClick};
        case ControlKind::PicSumGraph:
            return {"Eye diagram of the received sum", clearsOnClick};
        case ControlKind::PicSpectrum:
            return {"Frequency response", "Power response of the channel"};
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
