#pragma once
// The raised-cosine pulse spectrum that shapes the animation's symbols:
// roll-off 0.5, 64 bins per symbol rate, flat to bin 16, falling to zero at
// bin 48, mirrored into the negative frequencies of the 4096-point frame.

#include "app/demo_state.h"

namespace tarvel {

// Rebuilds dPulseRe and dPulseIm (bins 0 .. 4095) and interleaves them into
// dPulseSpectrum (elements 0 .. 8191); the last element of each is left alone.
void buildPulseSpectrum(DemoState& state);

}  // namespace tarvel
