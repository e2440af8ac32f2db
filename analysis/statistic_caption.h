#pragma once
// How a delay statistic or bandwidth is written into its value field: two
// decimals (ties to even), a leading space before a non-negative number, a
// "0" restored before a leading point (" .25" becomes "0.25").

#include <cstddef>
#include <cstdint>

#include "app/controls.h"

namespace tarvel {

// A short text held in place, so that writing a caption never allocates.
struct StatisticText {
    char chars[32];
    std::size_t length;
};

// v rounded to whole hundredths, nearest with ties to even, decided on the
// exact value of the double (2.675 is stored a little below, so it gives 267;
// 0.125 is stored exactly, a tie, so it gives 12). Needs |v| < 1e13.
std::int64_t roundToHundredths(double v);

// The number-to-text rule on v rounded to two places: a space before a number
// that is not negative ("-" before a negative one), no zero before the point,
// no trailing zeros, no point for a whole number: " .25", " 1.5", " 2", " 0".
StatisticText statisticText(double v);

void setStatisticCaption(Label& label, double value);

}  // namespace tarvel
