#pragma once
// Eye diagrams: 31 overlaid traces of a waveform's real part, added to a
// picture box in its current drawing colour; the box is never cleared here.

#include <cstdint>

#include "app/form.h"

namespace tarvel {

// The traces PlotEye draws, i = 17 .. 47, and the position within each where
// the caller's symbols stand when it is drawn unshifted.
constexpr int kFirstEyeTrace = 17;  // 64 / 4 + 1
constexpr int kLastEyeTrace = 47;   // 192 / 4 - 1
constexpr int kEyeSamplingPosition = 64;
// The gain divisor that puts the shaped waveform's swing of about +-1.5 into
// the box; a path's copy is drawn with kEyeScale over its amplitude.
constexpr double kEyeScale = 1.5;

// Trace i = 17 .. 47 draws samples 64 i - iShift onwards as 386 segments.
// Vertically a value of dScaleFactor lies 0.35 H above the centre line;
// horizontally the box spans 128 / dSymbolTime + 1 sample steps, its left edge
// at position 32 of each trace. Imaginary parts (odd elements) are never read.
// dTimeData must hold samples 1088 - iShift .. 3394 - iShift.
void PlotEye(double dSymbolTime, const ComplexVector& dTimeData, PictureBox& picPic,
             double dScaleFactor, std::int16_t iShift);

// Each empties its box (display/eye_opening.h: drawing, samples, words).
void picIndividual_Click(Form& form);
void picCombo_Click(Form& form);
void picSumGraph_Click(Form& form);

// Empties all three eye-diagram boxes, for a new channel or symbol time.
void clearEyeDiagrams(Form& form);

}  // namespace tarvel
