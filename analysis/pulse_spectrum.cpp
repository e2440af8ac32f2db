#include "analysis/pulse_spectrum.h"

#include <cmath>
#include <cstddef>

namespace tarvel {
namespace {

constexpr double kRollOff = 0.5;
constexpr double kBinsPerSymbolRate = 64;
constexpr double kSymbolTime = 1;
constexpr double kPi = 3.1415926;  // the pulse's own value of pi

// Bin limits are the nearest integer to their expression, halves to even.
int binLimit(double expression) {
    return static_cast<int>(std::nearbyint(expression));
}

}  // namespace

void buildPulseSpectrum(DemoState& state) {
    auto& re = state.dPulseRe;
    auto& im = state.dPulseIm;
    const auto bin = [](int k) { return static_cast<std::size_t>(k); };
    for (int k = 0; k < kPoints; ++k) {
        re[bin(k)] = 0;
        im[bin(k)] = 0;
    }

    // Flat pass band, bins 0 .. 32.
    const int flatEnd = binLimit((1 - kRollOff) * kBinsPerSymbolRate / kSymbolTime);
    for (int k = 0; k <= flatEnd; ++k) re[bin(k)] = 1;

    // Cosine roll-off, bins 16 .. 47; it overwrites the top of the flat part.
    const double rollOffStart = (1 - kRollOff) * kBinsPerSymbolRate / 2;
    const double rollOffWidth = 2 * kRollOff * kBinsPerSymbolRate / 2;
    const int first = binLimit(rollOffStart / kSymbolTime);
    const int last = binLimit((1 + kRollOff) * kBinsPerSymbolRate / 2 / kSymbolTime - 1);
    for (int k = first; k <= last; ++k) {
        const double phase = (k * kSymbolTime - rollOffStart) / rollOffWidth;
        re[bin(k)] = 0.5 * std::cos(kPi * phase) + 0.5;
    }

    // Negative frequencies: bin 4096 - l mirrors bin l (the spectrum is real
    // and even, so the pulse is real and symmetric).
    for (int l = 1; l <= kPoints / 2; ++l) {
        re[bin(kPoints - l)] = re[bin(l)];
        im[bin(kPoints - l)] = 0.0 - im[bin(l)];  // not -1 * x: keeps a zero from turning -0
    }

    for (int k = 0; k < kPoints; ++k) {
        state.dPulseSpectrum[bin(2 * k)] = re[bin(k)];
        state.dPulseSpectrum[bin(2 * k + 1)] = im[bin(k)];
    }
}

}  // namespace tarvel
