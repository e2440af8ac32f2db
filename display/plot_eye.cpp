#include "display/plot_eye.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <span>

#include "display/eye_opening.h"

namespace tarvel {
namespace {

constexpr int kFirstTrace = kFirstEyeTrace;
constexpr int kLastTrace = kLastEyeTrace;
constexpr int kSegmentsPerTrace = 386;
constexpr int kLeftEdgePosition = 32;  // half a symbol into each trace

}  // namespace

void PlotEye(double dSymbolTime, const ComplexVector& dTimeData, PictureBox& picPic,
             double dScaleFactor, std::int16_t iShift) {
    const double height = static_cast<double>(picPic.innerHeight());
    const double width = static_cast<double>(picPic.innerWidth());
    // Value per unit of height: +-dScaleFactor lands 0.35 H either side of the centre.
    const double valuePerUnit = 2 / 0.7 / height * dScaleFactor;
    const double centre = height * 0.5;
    // Sample steps per unit of width: the box spans 128 / T + 1 steps.
    const double stepsPerUnit = (128 / dSymbolTime + 1) / width;

    assert(kFirstTrace * kSamplesPerSymbol - iShift >= 0);
    assert(2 * (kLastTrace * kSamplesPerSymbol + kSegmentsPerTrace - iShift) <
           static_cast<int>(dTimeData.size()));

    // One trace as interleaved points (x, y); every trace shares the x values.
    constexpr std::size_t kTracePoints = kSegmentsPerTrace + 1;
    std::array<float, 2 * kTracePoints> trace{};
    for (std::size_t j = 0; j < kTracePoints; ++j) {
        trace[2 * j] = static_cast<float>((static_cast<int>(j) - kLeftEdgePosition) / stepsPerUnit);
    }

    // A trace reaches the box only in its middle: where the surface can show
    // nothing, its points are not computed (a recording surface shows all).
    const HorizontalReach reach = picPic.horizontalReach();
    std::size_t first = 0;
    std::size_t end = kTracePoints;
    while (first + 1 < end && trace[2 * (first + 1)] < reach.left) ++first;
    while (end > first + 1 && trace[2 * (end - 2)] > reach.right) --end;
    const std::span<const float> visible(trace.data() + 2 * first, 2 * (end - first));

    for (int i = kFirstTrace; i <= kLastTrace; ++i) {
        // Real parts only: every other element from the trace's first sample.
        const double* samples =
            dTimeData.data() + 2 * static_cast<std::ptrdiff_t>(kSamplesPerSymbol * i - iShift);
        for (std::size_t j = first; j < end; ++j) {
            trace[2 * j + 1] = static_cast<float>(-samples[2 * j] / valuePerUnit + centre);
        }
        picPic.polylineWithinReach(visible, kSegmentsPerTrace);
    }
}

void picIndividual_Click(Form& form) {
    clearEyeBox(form.picIndividual);
}
void picCombo_Click(Form& form) {
    clearEyeBox(form.picCombo);
}
void picSumGraph_Click(Form& form) {
    clearEyeBox(form.picSumGraph);
}

void clearEyeDiagrams(Form& form) {
    clearEyeBox(form.picIndividual);
    clearEyeBox(form.picCombo);
    clearEyeBox(form.picSumGraph);
}

}  // namespace tarvel
