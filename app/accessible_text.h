#pragma once
// Texts that assistive tools read out for the window's controls: their
// names, a marker's state in words, and which title and unit belong to each
// value field. Plain strings: every view hands them to its own widgets.

#include <string>

#include "app/form.h"

namespace tarvel {

struct AccessibleText {
    std::string name;
    std::string description;
};

// The name and description of any control of the layout, from its records
// as they stand.
AccessibleText accessibleTextOf(const Form& form, ControlRef control);

// The outline that follows the pointer while a marker is dragged.
inline constexpr const char* kDropPlaceName = "Drop place";

// "Path 1" .. "Path 8" for markers 0 .. 7.
std::string markerAccessibleName(int index);

// A marker's place read on the diagram's axes: delay in µs, relative power.
double markerDelay(float left);
double markerPower(float top);

// "on, delay 0.70 µs, relative power 0.50. A click selects it, ...": the
// marker's state, what its place on the diagram means, and how the mouse
// and the keys move it and switch it.
std::string markerAccessibleDescription(bool switchedOn, float left, float top);

// Two decimals, as "%.2f" writes them; a value that rounds to zero reads
// "0.00", never "-0.00".
std::string twoDecimals(double value);

// The row's figure read with its unit, "0.35 µs", "Inf MHz", without the
// space its text keeps for a sign; empty text stays empty.
std::string valueAccessibleDescription(const std::string& value, const char* unit);

// The statistics row whose value field is lblAt(index), or nullptr.
const StatisticsRow* statisticsRowOf(int labelIndex);

}  // namespace tarvel
