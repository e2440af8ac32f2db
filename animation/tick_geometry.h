#pragma once
// How the animation reads a path's delay and gain from its frame's position.

#include <cstdint>

namespace tarvel {

// Delay in steps of a fortieth of a symbol time, rounded down:
// floor(((left - 360) / 1200 * 40) / symbolTime). 1200 twips are 1 us.
std::int16_t sampleShift(float left, double symbolTime);

// Square root of the relative power (3540 twips per unit above the axis at
// Top 3900), plus 0.00001 so that a path on the axis still has a gain.
double pathAmplitude(float top);

}  // namespace tarvel
