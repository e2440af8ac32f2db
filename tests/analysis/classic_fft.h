#pragma once
// The transform in its classic loop order: for each stage, the twiddle factor
// advanced by the recurrence after each column of butterflies. The program's
// transform reorders the same operations; its outputs must match this bit
// for bit.

#include <cmath>
#include <cstdint>
#include <utility>

namespace tarvel::testing {

inline void classicFft(double* data, std::int32_t points, bool inverse) {
    const auto d = [data](std::int64_t e) -> double& { return data[e - 1]; };
    const double sign = inverse ? -1.0 : 1.0;
    const std::int64_t n = 2 * static_cast<std::int64_t>(points);

    std::int64_t j = 1;
    for (std::int64_t i = 1; i <= n - 1; i += 2) {
        if (j > i) {
            std::swap(d(j), d(i));
            std::swap(d(j + 1), d(i + 1));
        }
        std::int64_t m = points;
        while (m >= 2 && j > m) {
            j -= m;
            m /= 2;
        }
        j += m;
    }

    std::int64_t mmax = 2;
    while (n > mmax) {
        const std::int64_t istep = 2 * mmax;
        const double theta = 6.28318530717959 / static_cast<double>(mmax);
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
                if (tempr > 1e200) tempr = 1e200;
                if (tempi > 1e200) tempi = 1e200;
                if (tempr < -1e200) tempr = -1e200;
                if (tempi < -1e200) tempi = -1e200;
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

    if (inverse) {
        for (std::int64_t e = 1; e <= n; ++e) d(e) /= static_cast<double>(points);
    }
}

}  // namespace tarvel::testing
