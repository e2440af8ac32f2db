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

// "on, delay 0.70 µs, relative power 0.50": the marker's state and what its
// place on the diagram means.
std::string markerAccessibleDescription(bool switchedOn, float left, float top);

// The row's figure read with its unit, "0.35 µs", "Inf MHz"; empty text
// stays empty.
std::string valueAccessibleDescription(const std::string& value, const char* unit);

// The statistics row whose value field is lblAt(index), or nullptr.
const StatisticsRow* statisticsRowOf(int labelIndex);

}  // namespace tarvel
