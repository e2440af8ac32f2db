#pragma once
// What a reader of the frequency-response plot looks for: the highest and
// lowest power across the plotted band and the notches in it.

#include "app/demo_state.h"

namespace tarvel {

struct SpectrumFeatures {
    bool silent = true;  // every plotted bin is 0: no path is on
    double highest = 0;  // over the plotted bins 0 .. kLastPlottedBin
    double lowest = 0;
    int notches = 0;      // runs of neighbouring bins at least 10 dB below the highest
    double deepest = 0;   // the lowest power of any notch bin
    int deepestBin = -1;  // its bin (the first, if several share it)
};

SpectrumFeatures spectrumFeatures(const BinVector& power);

// Bin k's frequency in MHz as the axis under the plot reads it: the plotted
// bins span the box, whose labels run -1.0 .. 1.0 MHz; 15 complex points per
// µs make a bin 15 / 4096 MHz, and the box's middle, bin 4096 / 7.4 / 2,
// reads 0.
double binFrequencyMHz(int bin);

}  // namespace tarvel
