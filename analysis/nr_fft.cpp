#include "analysis/nr_fft.h"

#include <cmath>
#include <utility>

namespace tarvel {
namespace {

constexpr double kTwoPi = 6.28318530717959;
constexpr double kClamp = 1e200;

bool isPowerOfTwo(std::int32_t points) {
    std::int64_t b = 2;
    while (points > b) b *= 2;
    return b == points;
}

// Keeps a twiddled product within +-1e200; NaN passes unchanged.
void clampProduct(double& re, double& im) {
    if (re > kClamp) re = kClamp;
    if (im > kClamp) im = kClamp;
    if (re < -kClamp) re = -kClamp;
    if (im < -kClamp) im = -kClamp;
}

}  // namespace

bool FFT(double* dData, std::int32_t lPoints, bool bInverse) {
    if (!isPowerOfTwo(lPoints)) return false;

    // Element e counted from 1, which keeps the classic index arithmetic readable.
    const auto d = [dData](std::int64_t e) -> double& { return dData[e - 1]; };
    const double sign = bInverse ? -1.0 : 1.0;
    const std::int64_t n = 2 * static_cast<std::int64_t>(lPoints);

    // Bit-reversal permutation of whole complex points.
    std::int64_t j = 1;
    for (std::int64_t i = 1; i <= n - 1; i += 2) {
        if (j > i) {
            std::swap(d(j), d(i));
            std::swap(d(j + 1), d(i + 1));
        }
        std::int64_t m = lPoints;
        while (m >= 2 && j > m) {
            j -= m;
            m /= 2;
        }
        j += m;
    }

    // Butterflies, the twiddle factor advanced by the trigonometric recurrence.
    std::int64_t mmax = 2;
    while (n > mmax) {
        const std::int64_t istep = 2 * mmax;
        const double theta = kTwoPi / static_cast<double>(mmax);
        double wtemp = sign * std::sin(theta * 0.5);
        const double wpr = wtemp * -2.0 * wtemp;
        const double wpi = sign * std::sin(theta);
        double wr = 1.0;
        double wi = 0.0;
        for (std::int64_t m = 1; m <= mmax; m += 2) {
            for (std::int64_t i = m; i <= n; i += istep) {
                const std::int64_t k = i + mmax;
                double tempr = wr * d(k) - wi * d(k + 1);
                double tempi = wi * d(k) + wr * d(k + 1);
                clampProduct(tempr, tempi);
                d(k) = d(i) - tempr;
                d(k + 1) = d(i + 1) - tempi;
                d(i) = tempr + d(i);
                d(i + 1) = tempi + d(i + 1);
            }
            wtemp = wr;
            wr = (wpr * wr - wi * wpi) + wr;
            wi = (wpr * wi + wtemp * wpi) + wi;
        }
        mmax = istep;
    }

    if (bInverse) {
        const double points = static_cast<double>(lPoints);
        for (std::int64_t e = 1; e <= n; ++e) d(e) /= points;
    }
    return true;
}

}  // namespace tarvel
