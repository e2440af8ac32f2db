#pragma once
// The frequency-response plot and the handlers of its controls.
//
// PlotSpectrum clears picPic and draws bins 0 .. 553 of a power response
// across its inner width: on a decibel axis centred at mid-height, or on a
// linear axis from the bottom edge (chkLinear), over the range set by
// vscSpectrumRange. While chkMemory is checked, the response of the first
// drawing after it was checked is held and drawn in green behind the current,
// two-pixel black trace. The drawing colour is black afterwards, and the
// box's words describe the drawing.

#include "app/form.h"

namespace tarvel {

constexpr Colour kMemoryTraceColour = RGB(0, 128, 0);
constexpr Colour kCurrentTraceColour = kBlack;
constexpr int kLastPlottedBin = 553;       // 4096 / 7.4 bins span the width
constexpr int kMemoryBins = kPoints / 2;   // bins 0 .. 2047 are held
constexpr float kSecondStrokeOffset = 15;  // one pixel lower
constexpr int kRangeTop = 21;              // R = 21 - range value runs 1 .. 21
// What the box's height spans at R = 1, R times less above: decibels
// centred on 0 dB, or a power up from 0.
constexpr double kLogSpanDecibels = 31.25;
constexpr double kLinearSpanPower = 6.25;

void PlotSpectrum(Form& form, const BinVector& dFreqSpectrum, PictureBox& picPic);

void chkLinear_Click(Form& form);
void chkMemory_Click(Form& form);
void vscSpectrumRange_Change(Form& form);

}  // namespace tarvel
