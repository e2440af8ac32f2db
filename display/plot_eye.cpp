#include "display/plot_eye.h"

#include <array>
#include <cassert>

namespace tarvel {
namespace {

constexpr int kFirstTrace = 17;  // 64 / 4 + 1
constexpr int kLastTrace = 47;   // 192 / 4 - 1
constexpr int kSegmentsPerTrace = 386;
constexpr int kSamplesPerSymbol = 64;
constexpr int kLeftEdgePosition = 32;  // half a symbol into each trace

}  // namespace

void PlotEye(double dSymbolTime, const ComplexVector& dTimeData, PictureBox& picPic,
             double dScaleFactor, std::int16_t iShift) {
    const double height = static_cast<double>(picPic.innerHeight());
    const double width = static_cast<double>(picPic.innerWidth());
    // Value per unit of height: +-dScaleFactor lands 0.35 H either side of the centre.
    const double valuePerUnit = 2 / 0.7 / height * dScaleFactor;
    // Sample steps per unit of width: the box spans 128 / T + 1 steps.
    const double stepsPerUnit = (128 / dSymbolTime + 1) / width;

    // Every trace shares the same horizontal positions.
    std::array<float, kSegmentsPerTrace + 1> x{};
    for (int j = 0; j <= kSegmentsPerTrace; ++j) {
        x[static_cast<std::size_t>(j)] = static_cast<float>((j - kLeftEdgePosition) / stepsPerUnit);
    }
    const auto y = [&](int sample) {
        const double v = dTimeData[static_cast<std::size_t>(2 * sample)];
        return static_cast<float>(-v / valuePerUnit + height * 0.5);
    };

    assert(kFirstTrace * kSamplesPerSymbol - iShift >= 0);
    assert(2 * (kLastTrace * kSamplesPerSymbol + kSegmentsPerTrace - iShift) <
           static_cast<int>(dTimeData.size()));

    for (int i = kFirstTrace; i <= kLastTrace; ++i) {
        const int start = kSamplesPerSymbol * i - iShift;
        float previousY = y(start);
        for (int j = 0; j < kSegmentsPerTrace; ++j) {
            const float nextY = y(start + j + 1);
            picPic.line(x[static_cast<std::size_t>(j)], previousY,
                        x[static_cast<std::size_t>(j + 1)], nextY);
            previousY = nextY;
        }
    }
}

void picIndividual_Click(Form& form) {
    form.picIndividual.clear();
}
void picCombo_Click(Form& form) {
    form.picCombo.clear();
}
void picSumGraph_Click(Form& form) {
    form.picSumGraph.clear();
}

}  // namespace tarvel
