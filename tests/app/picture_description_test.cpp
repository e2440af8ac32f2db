// The impulse diagram in words, and what the pictures' accessible texts
// are made of.

#include "app/picture_description.h"

#include <gtest/gtest.h>

#include "animation/timer_tick.h"
#include "app/accessible_text.h"
#include "app/user_actions.h"
#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using testing::placePath;
using testing::startedForm;

TEST(ImpulseDiagramWords, NamesEverySwitchedOnPathInOrderWithDelayAndPower) {
    auto form = startedForm();
    EXPECT_EQ(impulseDiagramDescription(*form), "No path is on.");
    placePath(*form, 5, 4020, 360);  // 3.05 µs, full power
    EXPECT_EQ(impulseDiagramDescription(*form), "1 path on: path 6 at 3.05 \u00b5s, power 1.00.");
    placePath(*form, 3, 1800, 3015);  // 1.2 µs, 885 / 3540 = 0.25
    placePath(*form, 0, 1200, 2130);  // 0.7 µs, a half
    EXPECT_EQ(impulseDiagramDescription(*form),
              "3 paths on: path 1 at 0.70 \u00b5s, power 0.50; path 4 at 1.20 \u00b5s, power "
              "0.25; path 6 at 3.05 \u00b5s, power 1.00.");
    // Switched off by two clicks: gone from the words, wherever it stands.
    clickMarker(*form, 3);
    clickMarker(*form, 3);
    EXPECT_EQ(impulseDiagramDescription(*form),
              "2 paths on: path 1 at 0.70 \u00b5s, power 0.50; path 6 at 3.05 \u00b5s, power "
              "1.00.");
}

TEST(PictureAccessibleText, EyesAddHowToClearThemAndTheSpectrumIsItsWords) {
    auto form = startedForm();
    const auto text = [&](ControlKind kind) { return accessibleTextOf(*form, {kind}); };
    EXPECT_EQ(text(ControlKind::PicIndividual).name, "Single-path eye diagram");
    EXPECT_EQ(text(ControlKind::PicCombo).name, "Eye diagrams of each path");
    EXPECT_EQ(text(ControlKind::PicSumGraph).name, "Eye diagram of the received sum");
    EXPECT_EQ(text(ControlKind::PicSpectrum).name, "Frequency response");
    // Start-up drew one tick with no path on.
    EXPECT_EQ(text(ControlKind::PicIndividual).description,
              "Eye open 100 % of a single path's opening at the sampling instant. A click, "
              "Enter or Space clears it.");
    EXPECT_EQ(text(ControlKind::PicCombo).description,
              "Empty since it was last cleared. A click, Enter or Space clears it.");
    EXPECT_EQ(text(ControlKind::PicSpectrum).description, form->picSpectrum.description);
    EXPECT_EQ(text(ControlKind::PicSpectrum).description,
              "Log plot, -15.6 to 15.6 dB shown. No response: no path is on.");
}

}  // namespace
}  // namespace tarvel
