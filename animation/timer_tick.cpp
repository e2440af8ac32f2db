#include "animation/timer_tick.h"

#include <algorithm>
#include <cmath>

#include "analysis/calc_channel.h"
#include "animation/fade_path.h"
#include "animation/tick_geometry.h"
#include "app/integer_conversion.h"
#include "app/vector_registers.h"
#include "display/eye_opening.h"
#include "display/plot_eye.h"
#include "paths/path_state.h"

namespace tarvel {
namespace {

double signOf(double v) {
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

// While fading is selected every tick moves the powers, so the analysis is
// out of date even when no path is on.
void fadeSwitchedOnPaths(Form& form) {
    if (form.hscFade.value <= 0) return;
    for (int i = 0; i < kPathCount; ++i) {
        if (isPathOn(form, i)) FadePath(form, static_cast<std::int16_t>(i));
    }
    form.state.bChannelValid = false;
}

void refreshAnalysisIfStale(Form& form) {
    if (form.state.bChannelValid) return;
    CalcChannel(form);
    clearEyeDiagrams(form);
}

void drawSymbols(DemoState& state) {
    for (int j = 0; j < kSymbols; ++j) {
        state.dSymbol[static_cast<std::size_t>(j)] =
            signOf(static_cast<double>(state.generator.next()) - 0.5);
    }
}

void buildImpulseTrain(DemoState& state) {
    std::fill(state.dSymbolTrain.begin(), state.dSymbolTrain.begin() + kComplexBound, 0.0);
    for (int j = 0; j < kSymbols; ++j) {
        state.dSymbolTrain[static_cast<std::size_t>(2 * kSamplesPerSymbol * j)] =
            kSamplesPerSymbol * state.dSymbol[static_cast<std::size_t>(j)];
    }
}

// Complex product of the pulse spectrum and the symbol-train spectrum.
void shapeSpectrum(DemoState& state) {
    const ComplexVector& h = state.dPulseSpectrum;
    const ComplexVector& x = state.dSymbolTrain;
    for (std::size_t k = 0; k < kComplexBound; k += 2) {
        const double re = h[k] * x[k] - h[k + 1] * x[k + 1];
        const double im = h[k + 1] * x[k] + h[k] * x[k + 1];
        state.dShapedSpectrum[k] = re;
        state.dShapedSpectrum[k + 1] = im;
        state.dShapedSignal[k] = re;
        state.dShapedSignal[k + 1] = im;
    }
}

// Adds amplitude * dShapedSignal delayed by `delay` samples; nothing wraps round.
void accumulateDelayedCopy(DemoState& state, double amplitude, int delay) {
    for (int l = delay; l < kPoints; ++l) {
        const auto to = static_cast<std::size_t>(2 * l);
        const auto from = static_cast<std::size_t>(2 * (l - delay));
        state.dSumSignal[to] += amplitude * state.dShapedSignal[from];
        state.dSumSignal[to + 1] += amplitude * state.dShapedSignal[from + 1];
    }
}

}  // namespace

void Timer1_Timer(Form& form) {
    DemoState& state = form.state;
    clearUpperVectorHalves();

    fadeSwitchedOnPaths(form);
    refreshAnalysisIfStale(form);

    drawSymbols(state);
    buildImpulseTrain(state);
    transformOrReport(form, state.dSymbolTrain.data(), kPoints, false);
    shapeSpectrum(state);
    transformOrReport(form, state.dShapedSignal.data(), kPoints, true);

    // Each eye is measured beside its drawing, for the boxes' words.
    const double opening = singlePathOpening(state.dPulseSpectrum);
    PlotEye(state.dSymbolTime, state.dShapedSignal, form.picIndividual, kEyeScale, 0);
    noteEyeTraces(form.picIndividual, state.dShapedSignal, kEyeScale, 0, opening);

    std::fill(state.dSumSignal.begin(), state.dSumSignal.begin() + kComplexBound, 0.0);
    for (int c = 0; c < kPathCount; ++c) {
        if (!isPathOn(form, c)) continue;
        const auto index = static_cast<std::size_t>(c);
        form.picCombo.setForeColour(form.cmdSource[index].backColour);
        const FilledShape& frame = form.cmdShape[index];
        const std::int16_t shift = sampleShift(frame.left, state.dSymbolTime);
        const double amplitude = pathAmplitude(frame.top);
        const double scale = kEyeScale / amplitude;
        const std::int16_t drawnShift = toInteger16(1.5 * shift);
        PlotEye(state.dSymbolTime, state.dShapedSignal, form.picCombo, scale, drawnShift);
        noteEyeTraces(form.picCombo, state.dShapedSignal, scale, drawnShift, opening);
        accumulateDelayedCopy(state, amplitude, static_cast<int>(std::floor(1.5 * shift)));
    }

    PlotEye(state.dSymbolTime, state.dSumSignal, form.picSumGraph, kEyeScale, 0);
    noteEyeTraces(form.picSumGraph, state.dSumSignal, kEyeScale, 0, opening);
}

}  // namespace tarvel
