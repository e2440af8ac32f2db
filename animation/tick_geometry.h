#pragma once
// How the animation reads a path's delay and gain from its frame's position.

#include <cstdint>

namespace tarvel {

// Delay in steps of a fortieth of a symbol time, rounded down:
// floor(((left - delay zero) / twips per µs * 40) / symbolTime).
std::int16_t sampleShift(float left, double symbolTime);

// Square root of the relative power (the height above the delay axis over
// full power's), plus 0.00001 so that a path on the axis still has a gain.
double pathAmplitude(float top);

}  // namespace tarvel
