#pragma once
// Eye diagrams: 31 overlaid traces of a waveform's real part, added to a
// picture box in its current drawing colour; the box is never cleared here.

#include <cstdint>

#include "app/form.h"

namespace tarvel {

void PlotEye(double dSymbolTime, const ComplexVector& dTimeData, PictureBox& picPic,
             double dScaleFactor, std::int16_t iShift);

void picIndividual_Click(Form& form);
void picCombo_Click(Form& form);
void picSumGraph_Click(Form& form);

}  // namespace tarvel
