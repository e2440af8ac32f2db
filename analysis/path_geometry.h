#pragma once
// What a path's frame position means to the analysis: delay in µs from the
// frame's Left, relative power from its height above the delay axis.

#include <cmath>

#include "paths/diagram_geometry.h"

namespace tarvel {

struct PathGeometry {
    double delayUs;  // τ
    double power;    // p, relative
    int element;     // n: the element of the path vector, 30 per µs
    double amplitude;
};

constexpr double kElementsPerMicrosecond = 30;
// Keeps every amplitude (and the log of the power response) away from zero.
constexpr double kPowerFloor = 0.00001;

inline PathGeometry pathGeometry(float left, float top) {
    PathGeometry path{};
    const auto delayZero = static_cast<double>(kDelayZeroLeft);
    const auto perMicrosecond = static_cast<double>(kTwipsPerMicrosecond);
    path.delayUs = (static_cast<double>(left) - delayZero) / perMicrosecond;
    path.power = (static_cast<double>(kPowerZeroTop) - static_cast<double>(top)) /
                 static_cast<double>(kTwipsOfFullPower);
    // Divided first, then scaled: the order decides the element at a boundary.
    path.element = static_cast<int>(std::floor((static_cast<double>(left) - delayZero) /
                                               perMicrosecond * kElementsPerMicrosecond));
    path.amplitude = std::sqrt(path.power + kPowerFloor);
    return path;
}

}  // namespace tarvel
