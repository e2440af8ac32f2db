#include "display/plot_spectrum.h"

#include "analysis/calc_channel.h"

namespace tarvel {

// Placeholders until the spectrum plot lands.
void PlotSpectrum(Form&, const BinVector&, PictureBox& picPic) { picPic.clear(); }
void chkLinear_Click(Form& form) { CalcChannel(form); }
void chkMemory_Click(Form& form) { CalcChannel(form); }
void vscSpectrumRange_Change(Form& form) { CalcChannel(form); }

}  // namespace tarvel
