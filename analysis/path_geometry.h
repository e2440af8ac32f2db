#pragma once
// What a path's frame position means to the analysis: Left 360 is delay 0 and
// 1200 twips are 1 µs; Top 3900 (the delay axis) is power 0 and 354 twips
// above it add 0.1.

#include <cmath>

namespace tarvel {

struct PathGeometry {
    double delayUs;  // τ
    double power;    // p, relative
    int element;     // n: the element of the path vector, 30 per µs
    double amplitude;
};

constexpr double kDelayOriginTwips = 360;
constexpr double kTwipsPerMicrosecond = 1200;
constexpr double kPowerOriginTwips = 3900;
constexpr double kTwipsPerUnitPower = 3540;
constexpr double kElementsPerMicrosecond = 30;
// Keeps every amplitude (and the log of the power response) away from zero.
constexpr double kPowerFloor = 0.00001;

inline PathGeometry pathGeometry(float left, float top) {
    PathGeometry path{};
    path.delayUs = (static_cast<double>(left) - kDelayOriginTwips) / kTwipsPerMicrosecond;
    path.power = (kPowerOriginTwips - static_cast<double>(top)) / kTwipsPerUnitPower;
    // Divided first, then scaled: the order decides the element at a boundary.
    path.element = static_cast<int>(std::floor((static_cast<double>(left) - kDelayOriginTwips) /
                                               kTwipsPerMicrosecond * kElementsPerMicrosecond));
    path.amplitude = std::sqrt(path.power + kPowerFloor);
    return path;
}

}  // namespace tarvel
