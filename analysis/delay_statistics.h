#pragma once
// Power-weighted mean delay and rms delay spread of the switched-on paths.

namespace tarvel {

struct DelayMoments {
    double s0 = 0;  // sum of powers
    double s1 = 0;  // sum of power x delay
    double s2 = 0;  // sum of power x delay squared

    void add(double delayUs, double power) {
        s1 = power * delayUs + s1;
        s2 = delayUs * delayUs * power + s2;
        s0 = power + s0;
    }
};

struct DelayStatistics {
    double meanDelay = 0;    // µs
    double delaySpread = 0;  // µs; 0 when the spread is 0.01 µs or less
};

// A variance of 0.0001 µs² or less counts as no spread at all.
constexpr double kSpreadVarianceFloor = 0.0001;

DelayStatistics delayStatistics(const DelayMoments& moments);

}  // namespace tarvel
