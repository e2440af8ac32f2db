#include "analysis/calc_channel.h"

#include "analysis/nr_fft.h"

namespace tarvel {

// Placeholder until the channel analysis lands.
void CalcChannel(Form& form) { form.state.bChannelValid = true; }

bool transformOrReport(Form& form, double* data, std::int32_t points, bool inverse) {
    if (FFT(data, points, inverse)) return true;
    form.showMessage(kFftRefusal);
    return false;
}

}  // namespace tarvel
