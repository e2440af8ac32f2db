#include "app/qt/accessible_text.h"

#include <cstdio>

#include "paths/diagram_geometry.h"

namespace tarvel::view {
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

const StatisticsRow* statisticsRowOf(int labelIndex) {
    for (const StatisticsRow& row : kStatisticsRows) {
        if (row.value == labelIndex) return &row;
    }
    return nullptr;
}

}  // namespace tarvel::view
