#include "app/integer_conversion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvel {

std::int16_t toInteger16(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
    const double clamped = std::clamp(value, kLowest, kHighest);
    double rounded = std::floor(clamped);
    const double fraction = clamped - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace tarvel
