#pragma once
// The pictures put into words, for a student who cannot see them: the
// impulse diagram, the frequency response and the three eye diagrams. Both
// views read these texts as the pictures' accessible descriptions, so each
// wording is fixed here, figure by figure.

#include <string>

#include "app/form.h"

namespace tarvel {

// The impulse diagram: "No path is on." or, in path order and numbered from
// 1, "3 paths on: path 1 at 0.70 µs, power 0.50; path 4 at 1.20 µs, power
// 0.25; path 6 at 3.05 µs, power 1.00." ("1 path on: ..." for one). Delay
// and relative power are read from the marker's place, two decimals, as its
// own description reads them.
std::string impulseDiagramDescription(const Form& form);

// The frequency response as PlotSpectrum draws `power` at the plot
// controls' current state, written into `into` (which keeps its capacity:
// while paths fade this runs on every tick and must not allocate).
// Sentences, in order:
// - the vertical range the box shows: "Log plot, -15.6 to 15.6 dB shown."
//   (31.25 / R dB centred on 0 dB, one decimal) or "Linear plot, 0 to 6.25
//   shown." (6.25 / R, two decimals); R = 21 - range bar value;
// - the highest and lowest power over the plotted bins 0 .. 553: "From -10
//   dB to 3 dB across the band." (whole dB; 0 or under -60 dB reads "below
//   -60 dB") or "From 0.09 to 2.00 across the band." (linear, two
//   decimals); "Flat at 0 dB across the band." when both read the same;
//   "No response: no path is on." when every plotted bin is 0 (and then no
//   notch sentence);
// - the notches, runs of neighbouring plotted bins at least 10 dB below the
//   band's highest power: "No notches.", "1 notch, 13 dB down, at 0.49
//   MHz." or "2 notches; the deepest, 13 dB down, at -0.51 MHz." Depth is
//   the highest power over the lowest of all notch bins in whole dB ("more
//   than 60 dB down" past 60 dB); the place is that lowest bin's frequency
//   as the axis under the plot reads it (binFrequencyMHz, two decimals);
// - only while a memory is held: "A held trace is shown in green."
void spectrumDescription(const Form& form, const BinVector& power, std::string& into);

// An eye diagram by the 5 % step of its opening (display/eye_opening.h),
// written into `into` without allocating once it has room:
//   kEyeEmpty: "Empty since it was last cleared."
//   0:         "Eye closed at the sampling instant."
//   17:        "Eye open 85 % of a single path's opening at the sampling instant."
inline constexpr int kEyeEmpty = -1;
void eyeDescription(int step, std::string& into);

// Room every picture's words fit in; reserved once so that later words
// reuse it.
inline constexpr std::size_t kPictureWordsCapacity = 256;

}  // namespace tarvel
