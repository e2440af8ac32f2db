#include "animation/tick_geometry.h"

#include <cmath>

namespace tarvel {

std::int16_t sampleShift(float left, double symbolTime) {
    const double steps = (static_cast<double>(left) - 360) / 1200 * 40;
    return static_cast<std::int16_t>(std::floor(steps / symbolTime));
}

double pathAmplitude(float top) {
    return std::sqrt((3900 - static_cast<double>(top)) / 3540) + 0.00001;
}

}  // namespace tarvel
