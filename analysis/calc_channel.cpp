#include "analysis/calc_channel.h"

#include <cstddef>

#include "analysis/delay_statistics.h"
#include "analysis/nr_fft.h"
#include "analysis/path_geometry.h"
#include "analysis/pulse_spectrum.h"
#include "analysis/statistic_caption.h"
#include "app/vector_registers.h"
#include "display/plot_spectrum.h"
#include "paths/path_state.h"

namespace tarvel {
namespace {

constexpr const char* kInfinite = "Inf";

PathGeometry geometryOf(const Form& form, int index) {
    const FilledShape& frame = form.cmdShape[static_cast<std::size_t>(index)];
    return pathGeometry(frame.left, frame.top);
}

// Each switched-on path's amplitude at its element: an even element is the
// real part of a complex point, an odd one the imaginary part. Paths that
// land on the same element add up.
void buildPathVector(Form& form) {
    ComplexVector& vector = form.state.dPathSpectrum;
    for (int e = 0; e < kComplexBound; ++e) vector[static_cast<std::size_t>(e)] = 0;
    for (int i = 0; i < kPathCount; ++i) {
        if (!isPathOn(form, i)) continue;
        const PathGeometry path = geometryOf(form, i);
        vector[static_cast<std::size_t>(path.element)] += path.amplitude;
    }
}

void computePowerResponse(DemoState& state) {
    for (int k = 0; k < kPoints; ++k) {
        const double re = state.dPathSpectrum[static_cast<std::size_t>(2 * k)];
        const double im = state.dPathSpectrum[static_cast<std::size_t>(2 * k + 1)];
        state.dPowerSpectrum[static_cast<std::size_t>(k)] = re * re + im * im;
    }
}

DelayStatistics measureDelays(const Form& form) {
    DelayMoments moments;
    for (int i = 0; i < kPathCount; ++i) {
        if (!isPathOn(form, i)) continue;
        const PathGeometry path = geometryOf(form, i);
        moments.add(path.delayUs, path.power);
    }
    return delayStatistics(moments);
}

void showStatistics(Form& form, const DelayStatistics& stats) {
    const auto field = [&form](const StatisticsRow& row) -> Label& {
        return form.lblAt[row.value];
    };
    setStatisticCaption(field(kMeanDelayRow), stats.meanDelay);
    setStatisticCaption(field(kDelaySpreadRow), stats.delaySpread);
    if (stats.delaySpread > 0) {
        const double bandwidth = 1 / stats.delaySpread;  // MHz
        setStatisticCaption(field(kBandwidth1Row), bandwidth);
        setStatisticCaption(field(kBandwidth02Row), bandwidth / 5);
        setStatisticCaption(field(kBandwidth002Row), bandwidth / 50);
    } else {
        field(kBandwidth1Row).caption = kInfinite;
        field(kBandwidth02Row).caption = kInfinite;
        field(kBandwidth002Row).caption = kInfinite;
    }
}

}  // namespace

void CalcChannel(Form& form) {
    DemoState& state = form.state;
    clearUpperVectorHalves();  // it also runs straight from the window's handlers
    buildPulseSpectrum(state);
    state.bChannelValid = true;

    buildPathVector(form);
    transformOrReport(form, state.dPathSpectrum.data(), kPoints, false);
    computePowerResponse(state);
    form.picSpectrum.clear();
    PlotSpectrum(form, state.dPowerSpectrum, form.picSpectrum);

    showStatistics(form, measureDelays(form));
}

bool transformOrReport(Form& form, double* data, std::int32_t points, bool inverse) {
    if (FFT(data, points, inverse)) return true;
    form.showMessage(kFftRefusal);
    return false;
}

}  // namespace tarvel
