#include "analysis/delay_statistics.h"

#include <cmath>

namespace tarvel {

DelayStatistics delayStatistics(const DelayMoments& moments) {
    double mean = 0;
    double secondMoment = 0;
    if (moments.s0 > 0) {
        mean = moments.s1 / moments.s0;
        secondMoment = moments.s2 / moments.s0;
    }
    const double variance = secondMoment - mean * mean;
    DelayStatistics result;
    result.meanDelay = mean;
    result.delaySpread = variance > kSpreadVarianceFloor ? std::sqrt(variance) : 0.0;
    return result;
}

}  // namespace tarvel
