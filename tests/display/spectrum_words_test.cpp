// The frequency response in words, held against the channel's response
// computed here directly: a DFT of the switched-on paths' amplitudes, each
// at its element of the path vector (an even element the real part, an odd
// one the imaginary part of a complex point, 30 elements per µs).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "analysis/calc_channel.h"
#include "app/user_actions.h"
#include "display/plot_spectrum.h"
#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::placePath;
using testing::startedForm;

constexpr int kBand = 553;  // the plotted bins 0 .. 553
constexpr double kTwoPi = 6.283185307179586;

struct PathPlace {
    float left, top;
};

// |H(k)|² for the plotted bins, by the definition of the forward transform
// (positive exponent, unscaled).
std::vector<double> directResponse(const std::vector<PathPlace>& paths) {
    std::vector<double> power(kBand + 1);
    for (int k = 0; k <= kBand; ++k) {
        std::complex<double> sum;
        for (const PathPlace& p : paths) {
            const double delay = (static_cast<double>(p.left) - 360) / 1200;
            const double relative = (3900 - static_cast<double>(p.top)) / 3540;
            const int element = static_cast<int>(std::floor(delay * 30));
            const std::complex<double> amplitude =
                std::sqrt(relative + 0.00001) *
                (element % 2 == 0 ? std::complex<double>(1, 0) : std::complex<double>(0, 1));
            const int point = element / 2;
            sum += amplitude * std::polar(1.0, kTwoPi * k * point / 4096);
        }
        power[static_cast<std::size_t>(k)] = std::norm(sum);
    }
    return power;
}

struct Notch {
    int first, last, lowestBin;
};

std::vector<Notch> notchesOf(const std::vector<double>& power) {
    const double highest = *std::max_element(power.begin(), power.end());
    std::vector<Notch> notches;
    for (int k = 0; k <= kBand; ++k) {
        const double p = power[static_cast<std::size_t>(k)];
        if (10 * std::log10(highest / p) < 10) continue;
        if (notches.empty() || notches.back().last != k - 1) notches.push_back({k, k, k});
        Notch& n = notches.back();
        n.last = k;
        if (p < power[static_cast<std::size_t>(n.lowestBin)]) n.lowestBin = k;
    }
    return notches;
}

// The axis under the plot: -1.0 MHz at its left edge, bins 0 .. 4096 / 7.4
// across, 15 / 4096 MHz a bin.
double axisMHz(int bin) {
    const double binsAcross = 4096 / 7.4;
    return (bin - binsAcross / 2) * 15 / 4096;
}

std::string words(const std::vector<PathPlace>& paths) {
    auto form = startedForm();
    int i = 0;
    for (const PathPlace& p : paths) placePath(*form, i++, p.left, p.top);
    CalcChannel(*form);
    return form->picSpectrum.description;
}

long long wholeDb(double power) {
    return std::llround(10 * std::log10(power));
}

// Reads the band and notch sentences back and holds every figure against
// the direct response.
void expectWordsMatchDirectResponse(const std::vector<PathPlace>& paths) {
    const std::string text = words(paths);
    SCOPED_TRACE(text);
    const std::vector<double> power = directResponse(paths);
    const double highest = *std::max_element(power.begin(), power.end());
    const double lowest = *std::min_element(power.begin(), power.end());

    std::smatch band;
    ASSERT_TRUE(std::regex_search(text, band,
                                  std::regex("From (below -60|-?\\d+) dB to (-?\\d+) dB across")));
    const bool belowSixty = 10 * std::log10(lowest) < -60;
    EXPECT_EQ(band[1].str(), belowSixty ? "below -60" : std::to_string(wholeDb(lowest)));
    EXPECT_EQ(band[2].str(), std::to_string(wholeDb(highest)));

    const std::vector<Notch> notches = notchesOf(power);
    if (notches.empty()) {
        EXPECT_NE(text.find(" No notches."), std::string::npos);
        return;
    }
    std::smatch notch;
    ASSERT_TRUE(std::regex_search(
        text, notch,
        std::regex("(\\d+) notch(es; the deepest,|,) (more than 60|\\d+) dB down, at "
                   "(-?\\d\\.\\d\\d) MHz\\.")));
    EXPECT_EQ(std::stoi(notch[1].str()), static_cast<int>(notches.size()));
    EXPECT_EQ(notch[2].str() == ",", notches.size() == 1);
    int deepest = notches[0].lowestBin;
    for (const Notch& n : notches) {
        if (power[static_cast<std::size_t>(n.lowestBin)] < power[static_cast<std::size_t>(deepest)])
            deepest = n.lowestBin;
    }
    const double depth = 10 * std::log10(highest / power[static_cast<std::size_t>(deepest)]);
    EXPECT_EQ(notch[3].str(), depth > 60 ? "more than 60" : std::to_string(std::llround(depth)));
    EXPECT_NEAR(std::stod(notch[4].str()), axisMHz(deepest), 0.005 + 1e-9);
}

TEST(SpectrumWords, TwoEqualPathsOneMicrosecondApartNotchOneMegahertzApart) {
    // The worked channel: paths at 0 and 1 µs, each of power 0.5. Notches
    // lie near bins 136.5 and 409.6, so near -0.51 and 0.49 MHz.
    const std::vector<PathPlace> paths{{360, 2130}, {1560, 2130}};
    expectWordsMatchDirectResponse(paths);
    const std::vector<Notch> notches = notchesOf(directResponse(paths));
    ASSERT_EQ(notches.size(), 2u);
    EXPECT_NEAR(axisMHz(notches[1].lowestBin) - axisMHz(notches[0].lowestBin), 1.0, 0.01);
    EXPECT_NE(words(paths).find("2 notches; the deepest, "), std::string::npos);
    const std::string text = words(paths);
    const std::size_t at = text.find(", at ") + 5;
    const std::string place = text.substr(at, text.find(" MHz") - at);
    EXPECT_TRUE(place == "-0.51" || place == "0.49") << place;
}

TEST(SpectrumWords, NotchesCloseUpAsThePathsMoveApart) {
    // 2 µs apart: half a megahertz between notches, four in the band.
    const std::vector<PathPlace> paths{{360, 2130}, {2760, 2130}};
    expectWordsMatchDirectResponse(paths);
    EXPECT_EQ(notchesOf(directResponse(paths)).size(), 4u);
}

TEST(SpectrumWords, UnequalAndThreePathChannelsReadAsTheirResponse) {
    // Power 1 and 0.25: the dips are 9.5 dB deep, too shallow for a notch.
    const std::vector<PathPlace> shallow{{360, 360}, {1560, 3015}};
    expectWordsMatchDirectResponse(shallow);
    EXPECT_NE(words(shallow).find("From -6 dB to 4 dB across the band. No notches."),
              std::string::npos);
    // An odd element (0.05 µs) lands in an imaginary part.
    expectWordsMatchDirectResponse({{360, 1000}, {420, 2500}, {2400, 1800}});
    expectWordsMatchDirectResponse({{720, 2130}, {1920, 1500}, {4200, 3000}});
    expectWordsMatchDirectResponse({{400, 700}, {1000, 700}, {3000, 3800}});
}

TEST(SpectrumWords, OnePathIsFlatAndNoPathHasNoResponse) {
    // Power 1 (plus the floor of 0.00001) everywhere.
    EXPECT_EQ(words({{2000, 360}}),
              "Log plot, -15.6 to 15.6 dB shown. Flat at 0 dB across the band. No notches.");
    EXPECT_EQ(words({}), "Log plot, -15.6 to 15.6 dB shown. No response: no path is on.");
}

TEST(SpectrumWords, RangeSentenceFollowsTheModeAndTheBar) {
    auto form = startedForm();
    placePath(*form, 0, 360, 2130);
    CalcChannel(*form);
    const auto first = [&] {
        const std::string& text = form->picSpectrum.description;
        return text.substr(0, text.find('.', text.find(" shown")) + 1);
    };
    // R = 21 - value: 31.25 / R dB centred on 0 dB, or 0 .. 6.25 / R.
    EXPECT_EQ(first(), "Log plot, -15.6 to 15.6 dB shown.");
    setRangeValue(*form, 18);  // R = 3
    EXPECT_EQ(first(), "Log plot, -5.2 to 5.2 dB shown.");
    setRangeValue(*form, 0);  // R = 21
    EXPECT_EQ(first(), "Log plot, -0.7 to 0.7 dB shown.");
    clickLinear(*form);
    EXPECT_EQ(first(), "Linear plot, 0 to 0.30 shown.");
    EXPECT_NE(form->picSpectrum.description.find("Flat at 0.50 across the band."),
              std::string::npos);
    setRangeValue(*form, 20);
    EXPECT_EQ(first(), "Linear plot, 0 to 6.25 shown.");
    setRangeValue(*form, 18);
    EXPECT_EQ(first(), "Linear plot, 0 to 2.08 shown.");
}

TEST(SpectrumWords, LinearBandReadsPowersWithTwoDecimals) {
    auto form = startedForm();
    placePath(*form, 0, 360, 360);
    placePath(*form, 1, 1560, 3015);
    clickLinear(*form);
    // (1 - 0.5)² and (1 + 0.5)², each path with its floor of 0.00001.
    EXPECT_EQ(form->picSpectrum.description,
              "Linear plot, 0 to 6.25 shown. From 0.25 to 2.25 across the band. No notches.");
}

TEST(SpectrumWords, HeldTraceIsNamedOnlyWhileHeld) {
    auto form = startedForm();
    placePath(*form, 0, 360, 2130);
    clickMemory(*form);
    const std::string held = form->picSpectrum.description;
    EXPECT_EQ(held.substr(held.size() - 32), " A held trace is shown in green.");
    clickMemory(*form);
    EXPECT_EQ(form->picSpectrum.description.find("green"), std::string::npos);
}

}  // namespace
}  // namespace tarvel
