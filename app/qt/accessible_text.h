#pragma once
// Texts that assistive tools read out for the window's controls: a marker's
// state in words, and which title and unit belong to each value field.
// Plain strings, no toolkit: the window hands them to its widgets.

#include <array>
#include <string>

#include "app/form.h"

namespace tarvel::view {

// "Path 1" .. "Path 8" for markers 0 .. 7.
std::string markerAccessibleName(int index);

// "on, delay 0.70 µs, relative power 0.50": the marker's state and what its
// place means (Left 360 is delay 0, 1200 twips a microsecond; Top 3900 is
// power 0, 3540 twips above it full power).
std::string markerAccessibleDescription(bool switchedOn, float left, float top);

// A statistics row: the label that shows the figure, the label that names it.
struct ValueField {
    int valueLabel;
    int titleLabel;
    const char* unit;
};
inline constexpr std::array<ValueField, 5> kValueFields{{
    {19, 20, "\u00b5s"},
    {3, 1, "\u00b5s"},
    {7, 5, "MHz"},
    {21, 23, "MHz"},
    {24, 26, "MHz"},
}};

// The row's figure read with its unit, "0.35 µs", "Inf MHz"; empty text
// stays empty.
std::string valueAccessibleDescription(const std::string& value, const char* unit);

// The field of kValueFields whose value label is lblAt(index), or nullptr.
const ValueField* valueFieldOf(int labelIndex);

}  // namespace tarvel::view
