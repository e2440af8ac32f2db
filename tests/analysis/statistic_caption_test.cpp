#include "analysis/statistic_caption.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tarvel {
namespace {

std::string caption(double value) {
    Label label;
    label.caption = "Delay Spread";
    setStatisticCaption(label, value);
    return label.caption;
}

std::string text(double value) {
    const StatisticText t = statisticText(value);
    return std::string(t.chars, t.length);
}

// Only multiples of 1/8 are exact ties at the third decimal; they go to the
// even hundredth.
TEST(RoundToHundredths, ExactTiesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundToHundredths(0.125), 12);
    EXPECT_EQ(roundToHundredths(0.375), 38);
    EXPECT_EQ(roundToHundredths(0.625), 62);
    EXPECT_EQ(roundToHundredths(0.875), 88);
    EXPECT_EQ(roundToHundredths(3.125), 312);
    EXPECT_EQ(roundToHundredths(-0.125), -12);
    EXPECT_EQ(roundToHundredths(-0.375), -38);
}

TEST(RoundToHundredths, TheNeighboursOfATieRoundAway) {
    EXPECT_EQ(roundToHundredths(std::nextafter(0.125, 1.0)), 13);
    EXPECT_EQ(roundToHundredths(std::nextafter(0.375, 0.0)), 37);
    EXPECT_EQ(roundToHundredths(std::nextafter(0.625, 1.0)), 63);
}

// Decimal halves that are not exact in binary: the stored value decides,
// even where value * 100 happens to round to an exact half.
TEST(RoundToHundredths, StoredValueDecidesWhatLooksLikeATie) {
    EXPECT_EQ(roundToHundredths(2.675), 267);  // 2.67499999999999982...
    EXPECT_EQ(roundToHundredths(0.015), 1);    // 0.01499999999999999944...
    EXPECT_EQ(roundToHundredths(0.025), 3);    // 0.02500000000000000138...
    EXPECT_EQ(roundToHundredths(0.005), 1);    // 0.00500000000000000010...
    EXPECT_EQ(roundToHundredths(0.615), 61);   // 0.61499999999999999111...
    EXPECT_EQ(roundToHundredths(1.115), 111);  // 1.11499999999999999111...
    EXPECT_EQ(roundToHundredths(8.345), 835);  // 8.34500000000000063948...
    EXPECT_EQ(roundToHundredths(1.005), 100);  // 1.00499999999999989341...
    EXPECT_EQ(roundToHundredths(99.995), 10000);
}

TEST(RoundToHundredths, OrdinaryValues) {
    EXPECT_EQ(roundToHundredths(0.0), 0);
    EXPECT_EQ(roundToHundredths(0.004), 0);
    EXPECT_EQ(roundToHundredths(0.999), 100);
    EXPECT_EQ(roundToHundredths(1.0 / 3.0), 33);
    EXPECT_EQ(roundToHundredths(200.0 / 3.0), 6667);
    EXPECT_EQ(roundToHundredths(4.05), 405);
}

TEST(StatisticText, NumberToTextRule) {
    EXPECT_EQ(text(0.25), " .25");
    EXPECT_EQ(text(1.5), " 1.5");
    EXPECT_EQ(text(2), " 2");
    EXPECT_EQ(text(0), " 0");
    EXPECT_EQ(text(0.05), " .05");
    EXPECT_EQ(text(0.1), " .1");
    EXPECT_EQ(text(12.3), " 12.3");
    EXPECT_EQ(text(100), " 100");
    EXPECT_EQ(text(66.666666), " 66.67");
    EXPECT_EQ(text(-0.25), "-.25");
    EXPECT_EQ(text(-3.5), "-3.5");
    EXPECT_EQ(text(-0.001), " 0");  // rounds to zero, which is not negative
}

TEST(SetStatisticCaption, RestoresTheZeroBeforeALeadingPoint) {
    EXPECT_EQ(caption(0.25), "0.25");
    EXPECT_EQ(caption(0.5), "0.5");
    EXPECT_EQ(caption(0.04), "0.04");
    EXPECT_EQ(caption(0.125), "0.12");
    EXPECT_EQ(caption(0.375), "0.38");
    EXPECT_EQ(caption(0.005), "0.01");
    EXPECT_EQ(caption(0.999), " 1");
}

TEST(SetStatisticCaption, OneAndAboveAndZeroKeepTheirSpace) {
    EXPECT_EQ(caption(1), " 1");
    EXPECT_EQ(caption(2.675), " 2.67");
    EXPECT_EQ(caption(99.995), " 100");
    EXPECT_EQ(caption(0), " 0");
    EXPECT_EQ(caption(0.004), " 0");
}

TEST(SetStatisticCaption, NegativeValuesStayAsWritten) {
    EXPECT_EQ(caption(-0.25), "-.25");
    EXPECT_EQ(caption(-1.25), "-1.25");
}

TEST(SetStatisticCaption, ValuesBeyondTheStatisticsStillGetText) {
    EXPECT_EQ(caption(1e15), " 1e+15");
    EXPECT_EQ(caption(-1e15), "-1e+15");
}

}  // namespace
}  // namespace tarvel
