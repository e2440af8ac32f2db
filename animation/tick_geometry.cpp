#include "animation/tick_geometry.h"

#include <cmath>

#include "paths/diagram_geometry.h"

namespace tarvel {

std::int16_t sampleShift(float left, double symbolTime) {
    const double steps = (static_cast<double>(left) - static_cast<double>(kDelayZeroLeft)) /
                         static_cast<double>(kTwipsPerMicrosecond) * 40;
    return static_cast<std::int16_t>(std::floor(steps / symbolTime));
}

double pathAmplitude(float top) {
    return std::sqrt((static_cast<double>(kPowerZeroTop) - static_cast<double>(top)) /
                     static_cast<double>(kTwipsOfFullPower)) +
           0.00001;
}

}  // namespace tarvel
