#pragma once
// The frequency-response plot and the handlers of its controls.

#include "app/form.h"

namespace tarvel {

void PlotSpectrum(Form& form, const BinVector& dFreqSpectrum, PictureBox& picPic);

void chkLinear_Click(Form& form);
void chkMemory_Click(Form& form);
void vscSpectrumRange_Change(Form& form);

}  // namespace tarvel
