#pragma once
// The window-level variables that the handlers share from one event to the
// next. Every array has its fixed bounds for the life of the window; complex
// vectors are interleaved (point k: real part at 2k, imaginary part at 2k+1),
// and their last element (8192, or 4096 for real bins) is never written.

#include <array>

#include "app/colour.h"
#include "app/uniform_generator.h"

namespace tarvel {

constexpr int kPathCount = 8;
constexpr int kPoints = 4096;               // complex points of every transform
constexpr int kComplexBound = 2 * kPoints;  // 8192: interleaved vectors are 0 .. 8192
constexpr int kSymbols = 64;                // symbols sent per animation tick
constexpr int kSamplesPerSymbol = 64;       // samples of the shaped waveform per symbol

using ComplexVector = std::array<double, kComplexBound + 1>;
using BinVector = std::array<double, kPoints + 1>;
using PathVector = std::array<double, kPathCount + 1>;

struct DemoState {
    std::array<Colour, kPathCount> lPathColour{};
    double dSymbolTime = 0;
    bool bChannelValid = false;

    BinVector dPulseRe{};
    BinVector dPulseIm{};
    ComplexVector dPulseSpectrum{};
    ComplexVector dPathSpectrum{};
    BinVector dPowerSpectrum{};
    BinVector dMemorySpectrum{};
    bool bMemoryHeld = false;

    PathVector dFadeI{};
    PathVector dFadeQ{};
    PathVector dFadeMeanPower{};

    std::array<double, kSymbols + 1> dSymbol{};
    ComplexVector dSymbolTrain{};
    ComplexVector dShapedSpectrum{};
    ComplexVector dShapedSignal{};
    ComplexVector dSumSignal{};

    UniformGenerator generator;
};

}  // namespace tarvel
