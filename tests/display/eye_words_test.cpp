// The eye diagrams in words, held against a brute-force search: every
// trace's value at the sampling instant rebuilt here from the tick's symbols
// and the shaped pulse in time (an inverse DFT of the pulse spectrum), with
// each path's delay and gain worked out from its frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "animation/timer_tick.h"
#include "app/accessible_text.h"
#include "app/form_changes.h"
#include "app/user_actions.h"
#include "display/eye_opening.h"
#include "display/plot_eye.h"
#include "paths/path_state.h"
#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::placePath;
using testing::startedForm;

constexpr double kTwoPi = 6.283185307179586;
constexpr int kN = 4096;

// One symbol's impulse of 64 through the pulse, sample by sample (circular).
std::vector<double> shapedPulse(const ComplexVector& spectrum) {
    std::vector<double> pulse(kN);
    for (int k = 0; k < kN; ++k) {
        const double re = spectrum[static_cast<std::size_t>(2 * k)];
        const double im = spectrum[static_cast<std::size_t>(2 * k + 1)];
        if (re == 0 && im == 0) continue;
        for (int m = 0; m < kN; ++m) {
            const double angle = kTwoPi * ((static_cast<long long>(k) * m) % kN) / kN;
            pulse[static_cast<std::size_t>(m)] +=
                64.0 / kN * (re * std::cos(angle) + im * std::sin(angle));
        }
    }
    return pulse;
}

// What every box's traces show at the sampling instant, since its clear.
struct Opening {
    bool drawn = false;
    std::vector<double> values;

    void reset() { *this = {}; }
    // The percentage, or -1 while nothing was drawn; `borderline` when the
    // opening sits on the edge between two 5 % steps.
    int percent(double reference, bool* borderline = nullptr) const {
        if (!drawn) return -1;
        double above = 1e300, below = -1e300;
        for (double v : values) {
            if (v == 0) return 0;
            if (v > 0) above = std::min(above, v);
            if (v < 0) below = std::max(below, v);
        }
        if (above == 1e300 || below == -1e300) return 0;
        const double steps = 20 * (above - below) / reference;
        if (borderline) *borderline = std::fabs(steps - std::floor(steps) - 0.5) < 1e-6;
        return 5 * static_cast<int>(std::lround(steps));
    }
};

int percentOf(const std::string& words) {
    if (words.rfind("Empty since it was last cleared.", 0) == 0) return -1;
    if (words.rfind("Eye closed at the sampling instant.", 0) == 0) return 0;
    std::smatch m;
    EXPECT_TRUE(std::regex_search(
        words, m,
        std::regex("^Eye open (\\d+) % of a single path's opening at the sampling "
                   "instant\\. A click, Enter or Space clears it\\.$")))
        << words;
    EXPECT_NE(m[1].str(), "0");
    return m.size() > 1 ? std::stoi(m[1].str()) : -2;
}

class EyeWordsTest : public ::testing::Test {
  protected:
    std::unique_ptr<Form> form = startedForm();
    Opening single, combo, sum;

    // One tick, then the same tick's traces at the sampling instant by hand.
    void tick() {
        if (!form->state.bChannelValid) {
            single.reset();
            combo.reset();
            sum.reset();
        }
        Timer1_Timer(*form);
        const std::vector<double> pulse = shapedPulse(form->state.dPulseSpectrum);
        const auto shaped = [&](int n) {
            double v = 0;
            for (int j = 0; j < 64; ++j) {
                v += form->state.dSymbol[static_cast<std::size_t>(j)] *
                     pulse[static_cast<std::size_t>(((n - 64 * j) % kN + kN) % kN)];
            }
            return v;
        };
        single.drawn = sum.drawn = true;
        for (int i = 17; i <= 47; ++i) {
            const int instant = 64 * i + 64;
            single.values.push_back(shaped(instant));
            double received = 0;
            for (int c = 0; c < kPathCount; ++c) {
                if (!isPathOn(*form, c)) continue;
                const FilledShape& frame = form->cmdShape[static_cast<std::size_t>(c)];
                const double steps = std::floor((static_cast<double>(frame.left) - 360) / 1200 *
                                                40 / form->state.dSymbolTime);
                const double gain =
                    std::sqrt((3900 - static_cast<double>(frame.top)) / 3540) + 0.00001;
                // Drawn shifted by 1.5 steps to the nearest (a half to even),
                // added to the sum shifted by 1.5 steps rounded down.
                const int drawnShift = static_cast<int>(std::nearbyint(1.5 * steps));
                combo.values.push_back(gain * shaped(instant - drawnShift));
                combo.drawn = true;
                received += gain * shaped(instant - static_cast<int>(std::floor(1.5 * steps)));
            }
            sum.values.push_back(received);
        }
    }

    double reference() const {
        const std::vector<double> pulse = shapedPulse(form->state.dPulseSpectrum);
        return 2 * *std::max_element(pulse.begin(), pulse.end());
    }

    std::string wordsOf(ControlKind kind) const {
        return accessibleTextOf(*form, {kind}).description;
    }

    // Every box's words against the search.
    void expectBoxesAsSearched() {
        const double ref = reference();
        const std::pair<ControlKind, const Opening*> boxes[] = {
            {ControlKind::PicIndividual, &single},
            {ControlKind::PicCombo, &combo},
            {ControlKind::PicSumGraph, &sum}};
        for (const auto& [kind, opening] : boxes) {
            bool borderline = false;
            const int expected = opening->percent(ref, &borderline);
            const int read = percentOf(wordsOf(kind));
            if (borderline) {
                EXPECT_LE(std::abs(read - expected), 5) << wordsOf(kind);
            } else {
                EXPECT_EQ(read, expected) << wordsOf(kind);
            }
        }
    }
};

TEST_F(EyeWordsTest, ASinglePathAtFullPowerIsTheReferenceInEveryBox) {
    placePath(*form, 0, 360, 360);
    for (int t = 0; t < 5; ++t) {
        tick();
        expectBoxesAsSearched();
    }
    EXPECT_EQ(percentOf(wordsOf(ControlKind::PicIndividual)), 100);
    EXPECT_EQ(percentOf(wordsOf(ControlKind::PicSumGraph)), 100);
    // The reference is the pulse's own: twice its peak.
    EXPECT_NEAR(singlePathOpening(form->state.dPulseSpectrum), reference(), 1e-9);
}

TEST_F(EyeWordsTest, PathsSpreadAcrossTheSymbolTimeCloseTheReceivedEye) {
    // An echo of equal power a quarter and then half a symbol late.
    placePath(*form, 0, 360, 360);
    placePath(*form, 1, 660, 360);
    for (int t = 0; t < 8; ++t) {
        tick();
        expectBoxesAsSearched();
    }
    const int quarter = percentOf(wordsOf(ControlKind::PicSumGraph));
    EXPECT_GT(quarter, 0);
    placePath(*form, 1, 960, 360);
    for (int t = 0; t < 8; ++t) {
        tick();
        expectBoxesAsSearched();
    }
    EXPECT_LT(percentOf(wordsOf(ControlKind::PicSumGraph)), quarter);
    // A weaker echo across the whole symbol time, at each symbol time.
    placePath(*form, 1, 1560, 2500);
    placePath(*form, 2, 2100, 3300);
    for (int symbol : {0, 2, 1}) {
        chooseSymbol(*form, symbol);
        single.reset();
        combo.reset();
        sum.reset();
        // The list's own tick: its traces are in the boxes already.
        Timer1_Timer(*form);
        clickEyeSurface(*form, ControlKind::PicIndividual);
        clickEyeSurface(*form, ControlKind::PicCombo);
        clickEyeSurface(*form, ControlKind::PicSumGraph);
        for (int t = 0; t < 6; ++t) {
            tick();
            expectBoxesAsSearched();
        }
    }
}

TEST_F(EyeWordsTest, LatePathsAloneAreMeasuredWhereTheyAreDrawn) {
    placePath(*form, 3, 2160, 1500);  // 1.5 µs: 90 samples late when drawn
    placePath(*form, 5, 4800, 800);
    for (int t = 0; t < 6; ++t) {
        tick();
        expectBoxesAsSearched();
    }
}

TEST_F(EyeWordsTest, AClearEmptiesTheWordsUntilTheNextTraces) {
    placePath(*form, 0, 360, 2130);
    placePath(*form, 1, 1200, 3000);
    tick();
    tick();
    clickEyeSurface(*form, ControlKind::PicSumGraph);
    sum.reset();
    EXPECT_EQ(wordsOf(ControlKind::PicSumGraph),
              "Empty since it was last cleared. A click, Enter or Space clears it.");
    EXPECT_NE(percentOf(wordsOf(ControlKind::PicCombo)), -1);
    for (int t = 0; t < 4; ++t) {
        tick();
        expectBoxesAsSearched();
    }
    // With no path on the combined box gets no trace at all, and the
    // received sum is 0 throughout: a line through the centre.
    clickGo(*form, kGoReset);
    EXPECT_EQ(percentOf(wordsOf(ControlKind::PicCombo)), -1);
    EXPECT_EQ(wordsOf(ControlKind::PicSumGraph),
              "Eye closed at the sampling instant. A click, Enter or Space clears it.");
}

TEST_F(EyeWordsTest, TheWatchSeesABoxChangeOnlyWhenItsStepDoes) {
    placePath(*form, 0, 360, 1000);
    placePath(*form, 1, 780, 1800);
    placePath(*form, 2, 1400, 3000);
    FormWatch watch;
    watch.take(*form);
    int changes = 0;
    int lastPercent = -1;
    const double ref = [&] {
        Timer1_Timer(*form);
        return reference();
    }();
    watch.take(*form);
    single.reset();
    combo.reset();
    sum.reset();
    clickEyeSurface(*form, ControlKind::PicSumGraph);
    watch.take(*form);
    for (int t = 0; t < 40; ++t) {
        tick();
        const FormChanges seen = watch.take(*form);
        const bool reported =
            std::find(seen.controls.begin(), seen.controls.end(),
                      ControlRef{ControlKind::PicSumGraph}) != seen.controls.end();
        const int percent = sum.percent(ref);
        EXPECT_EQ(reported, percent != lastPercent) << "tick " << t << ", " << percent << " %";
        changes += reported ? 1 : 0;
        lastPercent = percent;
    }
    // The eye fills in and narrows over the first ticks, then holds still.
    EXPECT_GE(changes, 2);
    EXPECT_LT(changes, 20);
}

// A box all of whose traces pass on one side of the centre line has no eye.
TEST(EyeOpening, TracesOnOneSideOnlyOrThroughTheCentreLeaveItClosed) {
    auto data = std::make_unique<ComplexVector>();
    const auto stepAfter = [&](double value) {
        PictureBox box;
        clearEyeBox(box);
        data->fill(value);
        noteEyeTraces(box, *data, kEyeScale, 0, 2.0);
        return eyeOpeningStep(box.eye, 2.0);
    };
    EXPECT_EQ(stepAfter(0.9), 0);
    EXPECT_EQ(stepAfter(-0.9), 0);
    EXPECT_EQ(stepAfter(0.0), 0);
    PictureBox box;
    clearEyeBox(box);
    EXPECT_EQ(box.description, "Empty since it was last cleared.");
    // Traces at +0.8 and -0.9 of a reference opening of 2: 85 %; a weaker
    // path's copy, drawn with its gain, narrows the band it crosses.
    for (int n = 0; n < kN; ++n)
        (*data)[static_cast<std::size_t>(2 * n)] = n % 128 < 64 ? 0.8 : -0.9;
    noteEyeTraces(box, *data, kEyeScale, 0, 2.0);
    EXPECT_EQ(box.description, "Eye open 85 % of a single path's opening at the sampling instant.");
    noteEyeTraces(box, *data, kEyeScale / 0.6, 0, 2.0);
    EXPECT_EQ(box.description, "Eye open 50 % of a single path's opening at the sampling instant.");
}

}  // namespace
}  // namespace tarvel
