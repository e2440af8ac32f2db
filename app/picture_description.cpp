#include "app/picture_description.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "app/accessible_text.h"
#include "display/plot_spectrum.h"
#include "display/spectrum_features.h"
#include "paths/path_state.h"

namespace tarvel {
namespace {

// Words put together in place, then handed over in one assignment: a string
// that already has the room takes them without allocating. Numbers are
// written digit by digit; printf is slow in the web build.
class Words {
  public:
    Words& operator<<(std::string_view text) {
        for (const char c : text) put(c);
        return *this;
    }
    Words& operator<<(long long number) {
        if (number < 0) put('-');
        unsigned long long magnitude = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                                  : static_cast<unsigned long long>(number);
        char digits[24];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        while (count > 0) put(digits[--count]);
        return *this;
    }
    std::string_view view() const { return {text_, length_}; }
    void into(std::string& text) const {
        text.reserve(kPictureWordsCapacity);
        text.assign(text_, length_);
    }

  private:
    void put(char c) {
        if (length_ < sizeof text_) text_[length_++] = c;
    }
    char text_[kPictureWordsCapacity];
    std::size_t length_ = 0;
};

// One decimal, the nearest tenth; no "-0.0".
void putOneDecimal(Words& words, double value) {
    const long long tenths = std::llround(value * 10);
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    if (tenths < 0) words << "-";
    words << magnitude / 10 << "." << magnitude % 10;
}

constexpr double kQuietestDecibels = -60;

double decibels(double power) {
    return 10 * std::log10(power);
}

// A power on the log plot in whole dB.
void putDecibels(Words& words, double power) {
    if (power <= 0 || decibels(power) < kQuietestDecibels) {
        words << "below -60 dB";
        return;
    }
    words << std::llround(decibels(power)) << " dB";
}

// The text of a power as the band sentence reads it, written apart so that
// the two ends can be compared.
void putPower(Words& words, double power, bool linear) {
    if (linear) {
        words << twoDecimals(power);
    } else {
        putDecibels(words, power);
    }
}

void putRange(Words& words, bool linear, int rangeValue) {
    const double r = kRangeTop - rangeValue;
    if (linear) {
        words << "Linear plot, 0 to " << twoDecimals(kLinearSpanPower / r) << " shown.";
    } else {
        const double half = kLogSpanDecibels / r / 2;
        words << "Log plot, ";
        putOneDecimal(words, -half);
        words << " to ";
        putOneDecimal(words, half);
        words << " dB shown.";
    }
}

void putBand(Words& words, const SpectrumFeatures& band, bool linear) {
    Words highest, lowest;
    putPower(highest, band.highest, linear);
    putPower(lowest, band.lowest, linear);
    std::string_view high = highest.view();
    std::string_view low = lowest.view();
    if (high == low) {
        words << " Flat at " << high << " across the band.";
    } else {
        words << " From " << low << " to " << high << " across the band.";
    }
}

void putNotches(Words& words, const SpectrumFeatures& band) {
    if (band.notches == 0) {
        words << " No notches.";
        return;
    }
    words << " " << static_cast<long long>(band.notches)
          << (band.notches == 1 ? " notch, " : " notches; the deepest, ");
    const double depth =
        band.deepest > 0 ? decibels(band.highest) - decibels(band.deepest) : -kQuietestDecibels + 1;
    if (depth > -kQuietestDecibels) {
        words << "more than 60 dB down";
    } else {
        words << std::llround(depth) << " dB down";
    }
    words << ", at " << twoDecimals(binFrequencyMHz(band.deepestBin)) << " MHz.";
}

}  // namespace

std::string impulseDiagramDescription(const Form& form) {
    int on = 0;
    for (int i = 0; i < kPathCount; ++i) on += isPathOn(form, i) ? 1 : 0;
    if (on == 0) return "No path is on.";
    std::string text = std::to_string(on) + (on == 1 ? " path on: " : " paths on: ");
    const char* before = "";
    for (int i = 0; i < kPathCount; ++i) {
        if (!isPathOn(form, i)) continue;
        const CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
        text += before;
        text += "path " + std::to_string(i + 1) + " at " + twoDecimals(markerDelay(marker.left)) +
                " \u00b5s, power " + twoDecimals(markerPower(marker.top));
        before = "; ";
    }
    return text + ".";
}

void spectrumDescription(const Form& form, const BinVector& power, std::string& into) {
    const bool linear = form.chkLinear.value == 1;
    Words words;
    putRange(words, linear, form.vscSpectrumRange.value);
    const SpectrumFeatures band = spectrumFeatures(power);
    if (band.silent) {
        words << " No response: no path is on.";
    } else {
        putBand(words, band, linear);
        putNotches(words, band);
    }
    if (form.state.bMemoryHeld) words << " A held trace is shown in green.";
    words.into(into);
}

void eyeDescription(int step, std::string& into) {
    Words words;
    if (step == kEyeEmpty) {
        words << "Empty since it was last cleared.";
    } else if (step == 0) {
        words << "Eye closed at the sampling instant.";
    } else {
        words << "Eye open " << static_cast<long long>(5 * step)
              << " % of a single path's opening at the sampling instant.";
    }
    words.into(into);
}

}  // namespace tarvel
