#include "display/plot_spectrum.h"

#include <cmath>
#include <cstddef>

#include "analysis/calc_channel.h"
#include "app/picture_description.h"

namespace tarvel {
namespace {

constexpr const char* kLinearCaption = "Linear Plot";
constexpr const char* kLogCaption = "Log Plot";
constexpr double kBinsAcrossWidth = 4096 / 7.4;

// Where a power value lands, in the box's own twips. At R = 1 the full height
// spans 31.25 dB (centred at mid-height) or a power of 6.25 (from the bottom
// edge); R times less above that.
class SpectrumScale {
  public:
    SpectrumScale(bool linear, double width, double height, int rangeValue)
        : linear_(linear), width_(width), height_(height) {
        const double r = kRangeTop - rangeValue;
        const double span = linear ? 1.0 : 5.0;
        unitsPerTwip_ = span / 0.8 / height / 2 / r * 10;
        offset_ = linear ? 0.0 : height * 0.5;
    }

    double x(int bin) const { return bin * width_ / kBinsAcrossWidth; }

    // No power has no logarithm: such a bin lies on the bottom edge.
    double y(double power) const {
        if (linear_) return height_ - power / unitsPerTwip_ - offset_;
        if (power <= 0) return height_;
        const double decibels = 10 * std::log(power) / std::log(10.0);
        return height_ - decibels / unitsPerTwip_ - offset_;
    }

    double bottom() const { return height_; }

  private:
    bool linear_;
    double width_;
    double height_;
    double unitsPerTwip_;  // dB (or power) per twip of height
    double offset_;
};

// The memory follows chkMemory: released when unchecked, captured from the
// first drawing while checked, then held unchanged.
void updateMemory(Form& form, const BinVector& spectrum) {
    DemoState& state = form.state;
    const bool memoryOn = form.chkMemory.value == 1;
    if (!memoryOn) state.bMemoryHeld = false;
    if (!state.bMemoryHeld && memoryOn) {
        for (int k = 0; k < kMemoryBins; ++k) {
            state.dMemorySpectrum[static_cast<std::size_t>(k)] =
                spectrum[static_cast<std::size_t>(k)];
        }
        state.bMemoryHeld = true;
    }
}

// One trace from the bottom-left corner through every plotted bin; with
// `thick`, every segment again one pixel lower.
void drawTrace(PictureBox& pic, const SpectrumScale& scale, const BinVector& spectrum, bool thick) {
    auto lastX = 0.0f;
    auto lastY = static_cast<float>(scale.bottom());
    for (int k = 0; k <= kLastPlottedBin; ++k) {
        const auto x = static_cast<float>(scale.x(k));
        const auto y = static_cast<float>(scale.y(spectrum[static_cast<std::size_t>(k)]));
        pic.line(lastX, lastY, x, y);
        if (thick) pic.line(lastX, lastY + kSecondStrokeOffset, x, y + kSecondStrokeOffset);
        lastX = x;
        lastY = y;
    }
}

}  // namespace

void PlotSpectrum(Form& form, const BinVector& dFreqSpectrum, PictureBox& picPic) {
    const bool linear = form.chkLinear.value == 1;
    picPic.clear();
    const SpectrumScale scale(linear, static_cast<double>(picPic.innerWidth()),
                              static_cast<double>(picPic.innerHeight()),
                              form.vscSpectrumRange.value);

    updateMemory(form, dFreqSpectrum);
    // Both traces share one mapping, so a fresh memory lies under the current trace.
    if (form.state.bMemoryHeld) {
        picPic.setForeColour(kMemoryTraceColour);
        drawTrace(picPic, scale, form.state.dMemorySpectrum, false);
    }
    picPic.setForeColour(kCurrentTraceColour);
    drawTrace(picPic, scale, dFreqSpectrum, true);
    spectrumDescription(form, dFreqSpectrum, picPic.description);
}

void chkLinear_Click(Form& form) {
    form.chkLinear.caption = form.chkLinear.value == 1 ? kLinearCaption : kLogCaption;
    CalcChannel(form);
}

void chkMemory_Click(Form& form) {
    form.chkMemory.captionColour = form.chkMemory.value == 1 ? kMemoryTraceColour : kBlack;
    CalcChannel(form);
}

void vscSpectrumRange_Change(Form& form) {
    CalcChannel(form);
}

}  // namespace tarvel
