#pragma once
// The device pixel ratios the picture boxes draw at. A form scaled down on a
// plain screen draws below 1, a zoomed-in phone at most 4; past those the
// pixel buffers would hold little or far too much.

#include <algorithm>
#include <cmath>

namespace tarvel {

inline constexpr double kMinimumPixelRatio = 0.25;
inline constexpr double kMaximumPixelRatio = 4.0;

// A ratio a view hands over, kept within those; one that is not a number is 1.
inline double usablePixelRatio(double ratio) {
    if (!std::isfinite(ratio)) return 1;
    return std::clamp(ratio, kMinimumPixelRatio, kMaximumPixelRatio);
}

}  // namespace tarvel
