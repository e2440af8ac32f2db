#include "display/spectrum_features.h"

#include <cstddef>

#include "display/plot_spectrum.h"

namespace tarvel {
namespace {

constexpr double kPointsPerMicrosecond = 15;  // 30 path elements per µs, two to a point
constexpr double kNotchRatio = 10;            // 10 dB below the highest

}  // namespace

SpectrumFeatures spectrumFeatures(const BinVector& power) {
    SpectrumFeatures found;
    found.highest = power[0];
    found.lowest = power[0];
    for (int k = 0; k <= kLastPlottedBin; ++k) {
        const double p = power[static_cast<std::size_t>(k)];
        if (p != 0) found.silent = false;
        if (p > found.highest) found.highest = p;
        if (p < found.lowest) found.lowest = p;
    }
    if (found.silent) return found;

    bool inNotch = false;
    for (int k = 0; k <= kLastPlottedBin; ++k) {
        const double p = power[static_cast<std::size_t>(k)];
        const bool low = p * kNotchRatio <= found.highest;
        if (low && !inNotch) ++found.notches;
        if (low && (found.deepestBin < 0 || p < found.deepest)) {
            found.deepest = p;
            found.deepestBin = k;
        }
        inNotch = low;
    }
    return found;
}

double binFrequencyMHz(int bin) {
    return kPointsPerMicrosecond * bin / kPoints - kPointsPerMicrosecond / 14.8;
}

}  // namespace tarvel
