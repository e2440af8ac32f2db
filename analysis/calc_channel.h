#pragma once
// The channel analysis: pulse spectrum, power response (and its plot) and
// the delay statistics with their five value captions. Runs on every
// animation tick while paths fade, so it allocates nothing.

#include "app/form.h"

namespace tarvel {

// Recomputes everything that depends on the switched-on paths' frames:
// dPulseSpectrum, dPathSpectrum, dPowerSpectrum (redrawn in picSpectrum),
// the mean delay, delay spread and coherence bandwidths in lblAt(19), (3),
// (7), (21), (24); sets bChannelValid.
void CalcChannel(Form& form);

// Runs FFT on a shared vector; a refusal is shown to the user as a message.
bool transformOrReport(Form& form, double* data, std::int32_t points, bool inverse);

}  // namespace tarvel
