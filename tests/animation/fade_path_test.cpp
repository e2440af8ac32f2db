#include "animation/fade_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "animation/animation_controls.h"
#include "animation/timer_tick.h"
#include "animation_test_support.h"
#include "app/user_actions.h"

namespace tarvel {
namespace {

using test_support::placePath;
using test_support::startedForm;

constexpr int kPath = 2;

// A polar-method pair as the draws give it: x, y and the factor f.
struct Pair {
    double x, y, f;
};
Pair pairFrom(float u1, float u2) {
    const double x = 2.0 * u1 - 1, y = 2.0 * u2 - 1;
    const double s = x * x + y * y;
    return {x, y, std::sqrt(-2 * std::log(s) / s)};
}

class FadePathTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = startedForm();
        placePath(*form, kPath, 1560, 2400);  // marker power (3900 - 2400) / 1500 = 1
    }
    double fadeI() const { return form->state.dFadeI[kPath]; }
    double fadeQ() const { return form->state.dFadeQ[kPath]; }
    double meanPower() const { return form->state.dFadeMeanPower[kPath]; }
    const CommandButton& marker() const { return form->cmdSource[kPath]; }
    const FilledShape& frame() const { return form->cmdShape[kPath]; }
    void queue(std::initializer_list<float> draws) {
        for (float u : draws) form->state.generator.queue(u);
    }
    void fade() { FadePath(*form, kPath); }

    std::unique_ptr<Form> form;
};

struct Speed {
    int value;
    double rho;
    double keep, fresh;  // sqrt(rho) and sqrt(1 - rho) to six decimals
};

void PrintTo(const Speed& speed, std::ostream* os) {
    *os << "fading " << speed.value;
}

class FadeSpeed : public FadePathTest, public ::testing::WithParamInterface<Speed> {};

TEST_P(FadeSpeed, FirstStepStartsFromUnitInPhaseGain) {
    const Speed speed = GetParam();
    form->hscFade.value = speed.value;
    queue({0.7f, 0.4f});
    const auto drawsBefore = form->state.generator.count();

    fade();

    const Pair g = pairFrom(0.7f, 0.4f);
    const double i = std::sqrt(speed.rho) + std::sqrt(1 - speed.rho) * g.x * g.f;
    const double q = std::sqrt(1 - speed.rho) * g.y * g.f;
    EXPECT_EQ(form->state.generator.count() - drawsBefore, 2u);
    EXPECT_DOUBLE_EQ(fadeI(), i);
    EXPECT_DOUBLE_EQ(fadeQ(), q);
    EXPECT_NEAR(fadeI(), speed.keep + speed.fresh * g.x * g.f, 2e-6);
    EXPECT_NEAR(fadeQ(), speed.fresh * g.y * g.f, 2e-6);
    EXPECT_DOUBLE_EQ(meanPower(), 1.0);
    const double power = (i * i + q * q) * 1.0 * 0.5;
    EXPECT_EQ(frame().top, static_cast<float>(3900 - power * 1500));
}

INSTANTIATE_TEST_SUITE_P(EverySetting, FadeSpeed,
                         ::testing::Values(Speed{1, 0.98, 0.989949, 0.141421},
                                           Speed{2, 0.95, 0.974679, 0.223607},
                                           Speed{3, 0.90, 0.948683, 0.316228},
                                           Speed{4, 0.75, 0.866025, 0.5}, Speed{5, 0.0, 0.0, 1.0},
                                           Speed{0, 0.0, 0.0, 1.0}, Speed{6, 0.0, 0.0, 1.0}),
                         [](const ::testing::TestParamInfo<Speed>& param) {
                             return "Fade" + std::to_string(param.param.value);
                         });

TEST_F(FadePathTest, FirstStepShowsTheFrameInThePathColourInPlaceOfTheMarker) {
    form->hscFade.value = 3;
    fade();
    EXPECT_FALSE(marker().visible);
    EXPECT_TRUE(frame().visible);
    EXPECT_EQ(frame().left, 1560.0f);
    EXPECT_EQ(frame().fillColour, form->state.lPathColour[kPath]);

    // Later steps move only the height.
    form->cmdShape[kPath].left = 1680;
    form->cmdSource[kPath].top = 600;
    fade();
    EXPECT_EQ(frame().left, 1680.0f);
    EXPECT_DOUBLE_EQ(meanPower(), 1.0);
}

TEST_F(FadePathTest, PolarMethodRejectsTheOriginAndPointsOutsideTheCircle) {
    form->hscFade.value = 4;
    queue({0.0f, 0.0f,    // (-1, -1): s = 2
           0.5f, 0.5f,    // (0, 0): s = 0
           0.7f, 0.4f});  // accepted
    const auto drawsBefore = form->state.generator.count();
    fade();
    EXPECT_EQ(form->state.generator.count() - drawsBefore, 6u);
    const Pair g = pairFrom(0.7f, 0.4f);
    EXPECT_DOUBLE_EQ(fadeI(), std::sqrt(0.75) + 0.5 * g.x * g.f);
    EXPECT_DOUBLE_EQ(fadeQ(), 0.5 * g.y * g.f);
}

// s exactly 1 is accepted and gives f = 0: at speed 5 the gain becomes exactly
// 0, so the next step starts the path afresh from where its marker stands.
TEST_F(FadePathTest, UnitCircleIsAcceptedAndAZeroGainStartsAfresh) {
    form->hscFade.value = 5;
    queue({0.0f, 0.5f});  // (-1, 0): s = 1
    const auto drawsBefore = form->state.generator.count();
    fade();
    EXPECT_EQ(form->state.generator.count() - drawsBefore, 2u);
    EXPECT_EQ(fadeI(), 0.0);
    EXPECT_EQ(fadeQ(), 0.0);
    EXPECT_EQ(frame().top, 3900.0f);

    form->cmdSource[kPath].top = 900;  // the hidden marker moved meanwhile: power 2
    form->hscFade.value = 1;
    queue({0.7f, 0.4f});
    fade();
    const Pair g = pairFrom(0.7f, 0.4f);
    EXPECT_DOUBLE_EQ(meanPower(), 2.0);
    EXPECT_DOUBLE_EQ(fadeI(), std::sqrt(0.98) + std::sqrt(1 - 0.98) * g.x * g.f);
}

TEST_F(FadePathTest, LongRunMeanOfHalfTheSquaredGainIsOneAtEverySpeed) {
    for (int speed = 1; speed <= 5; ++speed) {
        form->hscFade.value = speed;
        double sum = 0;
        constexpr int kSteps = 100000;
        for (int step = 0; step < kSteps; ++step) {
            fade();
            sum += (fadeI() * fadeI() + fadeQ() * fadeQ()) / 2;
        }
        // Slow speeds are strongly correlated: about 2000 independent samples at speed 1.
        EXPECT_NEAR(sum / kSteps, 1.0, speed == 5 ? 0.02 : 0.1) << "speed " << speed;
    }
}

TEST_F(FadePathTest, ALargePowerIsCappedAtTop120) {
    placePath(*form, kPath, 1560, 360);  // power 2.36
    form->hscFade.value = 5;
    // x = 2^-23, y = 0: a tiny s, so x f is about 8 and P far above 2.52.
    queue({0.5f + 1.0f / 16777216.0f, 0.5f});
    fade();
    EXPECT_GT((fadeI() * fadeI() + fadeQ() * fadeQ()) * meanPower() * 0.5, 2.52);
    EXPECT_EQ(frame().top, 120.0f);
}

TEST_F(FadePathTest, APathOnTheAxisStaysThereWhileItFades) {
    placePath(*form, kPath, 1560, 3900);
    form->hscFade.value = 1;
    for (int step = 0; step < 50; ++step) {
        fade();
        ASSERT_EQ(frame().top, 3900.0f);
    }
    EXPECT_EQ(meanPower(), 0.0);
}

// Fading run, stopped, the marker moved, fading run again: the gain carries on
// but the mean power is taken from where the marker now stands.
TEST_F(FadePathTest, ResumedFadingUsesTheMarkersCurrentPowerAndCarriesTheGainOn) {
    placePath(*form, kPath, 1560, 3900);  // on the axis: mean power 0
    setFadeValue(*form, 2);
    Timer1_Timer(*form);
    Timer1_Timer(*form);
    EXPECT_EQ(meanPower(), 0.0);
    setFadeValue(*form, 0);
    const double i = fadeI(), q = fadeQ();
    EXPECT_TRUE(marker().visible);

    form->cmdSource[kPath].top = 900;  // power 2
    form->cmdShape[kPath].top = 900;
    setFadeValue(*form, 1);
    queue({0.7f, 0.4f});
    Timer1_Timer(*form);

    const Pair g = pairFrom(0.7f, 0.4f);
    const double newI = std::sqrt(0.98) * i + std::sqrt(1 - 0.98) * g.x * g.f;
    const double newQ = std::sqrt(0.98) * q + std::sqrt(1 - 0.98) * g.y * g.f;
    EXPECT_DOUBLE_EQ(meanPower(), 2.0);
    EXPECT_DOUBLE_EQ(fadeI(), newI);
    EXPECT_DOUBLE_EQ(fadeQ(), newQ);
    EXPECT_EQ(frame().top,
              static_cast<float>(3900 - (newI * newI + newQ * newQ) * 2.0 * 0.5 * 1500));
    EXPECT_LT(frame().top, 3900.0f);
}

// When fading stops each frame goes back to its marker, so the analysis
// describes the power that the diagram shows.
TEST_F(FadePathTest, StoppingFadingPutsEveryFrameBackAtItsMarker) {
    placePath(*form, 5, 2760, 1500);
    for (int stop = 0; stop < 2; ++stop) {
        setFadeValue(*form, 5);
        Timer1_Timer(*form);
        ASSERT_NE(frame().top, marker().top);
        const double i = fadeI(), q = fadeQ(), mean = meanPower();

        if (stop == 0) {
            setFadeValue(*form, 0);
        } else {
            clickGo(*form, 1);  // Reset, with fading still selected
        }
        for (int p : {kPath, 5}) {
            EXPECT_EQ(form->cmdShape[p].left, form->cmdSource[p].left);
            EXPECT_EQ(form->cmdShape[p].top, form->cmdSource[p].top);
            EXPECT_FALSE(form->cmdShape[p].visible);
            EXPECT_TRUE(form->cmdSource[p].visible);
        }
        EXPECT_EQ(fadeI(), i);
        EXPECT_EQ(fadeQ(), q);
        EXPECT_EQ(meanPower(), mean);
    }
}

}  // namespace
}  // namespace tarvel
