#pragma once
// How far an eye diagram stands open at the sampling instant, measured from
// the values PlotEye's traces show there, for the box's words.
//
// The sampling instant is position 64 of every trace (kEyeSamplingPosition):
// with no shift that is a symbol instant of the shaped waveform, where a
// single path's zero-phase pulse peaks. The opening is the band around the
// centre line that no trace drawn since the box's last clear crosses there:
// the lowest value above the line plus the distance to the highest value
// below it. A trace through the line, or traces on one side only (no eye
// between two levels), leave it closed. It is measured against the single
// path's opening at full power, twice the shaped pulse's peak.

#include <cstdint>

#include "app/form.h"

namespace tarvel {

// Twice the shaped pulse's value at its own symbol instant: every symbol is
// an impulse of 64 that the pulse spectrum shapes and the inverse transform
// divides by 4096, so the peak is 64 / 4096 times the spectrum's sum.
double singlePathOpening(const ComplexVector& pulseSpectrum);

// Takes in the values at the sampling instant of the traces that
// PlotEye(dSymbolTime, data, pic, scaleFactor, shift) draws, as drawn: the
// same gain, kEyeScale / scaleFactor, that puts them on the single path's
// scale. Rewrites the box's words when its 5 % step changes.
void noteEyeTraces(PictureBox& pic, const ComplexVector& data, double scaleFactor,
                   std::int16_t shift, double singlePathOpening);

// The opening in steps of 5 % of the single path's, rounded to the nearest
// (0 is closed); kEyeEmpty while nothing was drawn since the clear.
int eyeOpeningStep(const EyeSamples& eye, double singlePathOpening);

// Empties an eye-diagram box: its drawing, its samples and its words.
void clearEyeBox(PictureBox& pic);

}  // namespace tarvel
