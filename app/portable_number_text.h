#pragma once
// The conversions of app/number_text.h built on snprintf and strtod alone,
// for standard libraries without floating-point to_chars/from_chars. Same
// texts, same values, same error codes; nothing allocated. Always compiled,
// so that a native test can hold them against the standard functions.

#include <charconv>

namespace tarvel::portable {

std::to_chars_result writeShortest(char* first, char* last, double value);
std::to_chars_result writeShortest(char* first, char* last, float value);
std::to_chars_result writeSignificant(char* first, char* last, double value, int precision);
std::from_chars_result readNumber(const char* first, const char* last, double& value);
std::from_chars_result readNumber(const char* first, const char* last, float& value);

}  // namespace tarvel::portable
