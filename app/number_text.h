#pragma once
// Numbers to text and back, exactly as std::to_chars and std::from_chars do
// (shortest round-trip form, "C" locale, no allocation). A standard library
// that declares the floating-point forms without implementing them (the web
// build's) gets the portable versions in app/portable_number_text.h.

#include <charconv>

namespace tarvel {

// The shortest text that reads back to value: std::to_chars(first, last, value).
std::to_chars_result writeShortest(char* first, char* last, double value);
std::to_chars_result writeShortest(char* first, char* last, float value);

// `precision` significant digits as printf's %g writes them:
// std::to_chars(first, last, value, std::chars_format::general, precision).
std::to_chars_result writeSignificant(char* first, char* last, double value, int precision);

// std::from_chars(first, last, value) in its general format: an optional '-',
// digits with an optional point and exponent, or inf, infinity, nan. A value
// beyond the type's range gives result_out_of_range and leaves value as it was.
std::from_chars_result readNumber(const char* first, const char* last, double& value);
std::from_chars_result readNumber(const char* first, const char* last, float& value);

}  // namespace tarvel
