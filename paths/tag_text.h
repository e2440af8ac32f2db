#pragma once
// The texts that markers carry in their tags: the selection mark and the
// phases written by drops and "Random", read and written as Basic does.

#include <string>
#include <string_view>

namespace tarvel {

// The program's own value of pi, in the phases that drops and "Random" write.
constexpr double kPhaseScale = 3.1415926;

// The numeric value of a tag as the selection test reads it, the way Basic's
// Val() reads a text: leading blanks skipped, then an optional sign, digits,
// an optional point with digits and an optional exponent (E or D). Reading
// stops at the first character that does not fit; no number gives 0.
double tagNumericValue(std::string_view tag);

// A phase written into a tag: up to 15 significant digits, as Basic's CStr
// writes a Double ("-1.5707963", "0", "3.74507021903992E-07"). Independent
// of the C locale.
std::string phaseTagText(double phase);

}  // namespace tarvel
