// The spoken texts of markers and value fields, against hand-worked figures.

#include "app/accessible_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace tarvel {
namespace {

TEST(AccessibleText, MarkersAreNamedPathOneToEight) {
    EXPECT_EQ(markerAccessibleName(0), "Path 1");
    EXPECT_EQ(markerAccessibleName(7), "Path 8");
}

// The state and place, before the words on how to edit the marker.
std::string placeOf(bool switchedOn, float left, float top) {
    const std::string text = markerAccessibleDescription(switchedOn, left, top);
    return text.substr(0, text.find(". "));
}

TEST(AccessibleText, DescriptionReadsStateDelayAndPowerFromThePlace) {
    // Parking place: delay 0 and power 0, whatever the state.
    EXPECT_EQ(placeOf(false, 360, 3900), "off, delay 0.00 \u00b5s, relative power 0.00");
    // 840 twips right of delay 0 are 0.7 µs; 1770 twips above power 0 are half of 3540.
    EXPECT_EQ(placeOf(true, 1200, 2130), "on, delay 0.70 \u00b5s, relative power 0.50");
    // The far corner of the editor's limits: 4860/1200 = 4.05, 3540/3540 = 1.
    EXPECT_EQ(placeOf(true, 5220, 360), "on, delay 4.05 \u00b5s, relative power 1.00");
    // A drop place off the round figures: 2040/3540 = 0.576..., 15/1200 = 0.0125.
    EXPECT_EQ(placeOf(true, 375, 1860), "on, delay 0.01 \u00b5s, relative power 0.58");
}

TEST(AccessibleText, PlacesJustOutsideTheLimitsNeverReadMinusZero) {
    EXPECT_EQ(placeOf(true, 359, 3901), "on, delay 0.00 \u00b5s, relative power 0.00");
}

// The figures are worked out without printf; they must read as "%.2f"
// writes them at every place a marker can take, halves included
// (30 twips of delay are exactly 0.025 µs).
TEST(AccessibleText, FiguresReadAsPrintfWritesThemEverywhere) {
    const auto printed = [](double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", value);
        return std::string(text) == "-0.00" ? std::string("0.00") : std::string(text);
    };
    for (int quarters = -4000; quarters <= 64000; ++quarters) {
        const float place = static_cast<float>(quarters) / 4;
        const double delay = static_cast<double>(place - 360) / 1200;
        const double power = static_cast<double>(3900 - place) / 3540;
        const std::string expected =
            "on, delay " + printed(delay) + " \u00b5s, relative power " + printed(power);
        ASSERT_EQ(placeOf(true, place, place), expected) << place;
    }
}

TEST(AccessibleText, MarkerNamesTheClicksKeysAndDragThatEditIt) {
    EXPECT_EQ(markerAccessibleDescription(false, 360, 3900),
              "off, delay 0.00 \u00b5s, relative power 0.00. A click selects it, a second click "
              "switches it on; keys u, d, l, r move it up, down, left, right; drag with the right "
              "button to move it, into the bottom-left corner to park it switched off.");
    const std::string on = markerAccessibleDescription(true, 1200, 2130);
    EXPECT_EQ(on.substr(0, on.find(';')),
              "on, delay 0.70 \u00b5s, relative power 0.50. A click selects it, a second click "
              "switches it off");
}

TEST(AccessibleText, ValueFieldsPairEachFigureWithItsRowTitleAndUnit) {
    std::set<int> values, titles;
    for (const StatisticsRow& row : kStatisticsRows) {
        values.insert(row.value);
        titles.insert(row.title);
        EXPECT_EQ(statisticsRowOf(row.value), &row);
        EXPECT_EQ(statisticsRowOf(row.title), nullptr);
    }
    EXPECT_EQ(values, (std::set<int>{19, 3, 7, 21, 24}));
    EXPECT_EQ(titles, (std::set<int>{20, 1, 5, 23, 26}));
    EXPECT_STREQ(statisticsRowOf(19)->unit, "\u00b5s");
    EXPECT_STREQ(statisticsRowOf(24)->unit, "MHz");
    EXPECT_EQ(statisticsRowOf(0), nullptr);
    EXPECT_EQ(statisticsRowOf(-1), nullptr);
}

TEST(AccessibleText, FigureIsReadWithItsUnitAndBlankStaysBlank) {
    EXPECT_EQ(valueAccessibleDescription("0.35", "\u00b5s"), "0.35 \u00b5s");
    EXPECT_EQ(valueAccessibleDescription("Inf", "MHz"), "Inf MHz");
    EXPECT_EQ(valueAccessibleDescription("", "MHz"), "");
    EXPECT_EQ(valueAccessibleDescription(" 2.37", "\u00b5s"), "2.37 \u00b5s");
}

}  // namespace
}  // namespace tarvel
