#pragma once
// The channel analysis: pulse spectrum, power response (and its plot) and
// the delay statistics with their five value captions.

#include "app/form.h"

namespace tarvel {

void CalcChannel(Form& form);

// Runs FFT on a shared vector; a refusal is shown to the user as a message.
bool transformOrReport(Form& form, double* data, std::int32_t points, bool inverse);

}  // namespace tarvel
