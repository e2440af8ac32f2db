#include "analysis/nr_fft.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <utility>

#include "analysis/fft_twiddles.h"

namespace tarvel {
namespace {

using fft_detail::Twiddle;

constexpr double kClamp = 1e200;

bool isPowerOfTwo(std::int32_t points) {
    std::int64_t b = 2;
    while (points > b) b *= 2;
    return b == points;
}

// Bit-reversal permutation of whole complex points, j counted in elements from 1.
void permute(double* data, std::int64_t points) {
    const std::int64_t n = 2 * points;
    std::int64_t j = 1;
    for (std::int64_t i = 1; i <= n - 1; i += 2) {
        if (j > i) {
            std::swap(data[j - 1], data[i - 1]);
            std::swap(data[j], data[i]);
        }
        std::int64_t m = points;
        while (m >= 2 && j > m) {
            j -= m;
            m /= 2;
        }
        j += m;
    }
}

// Butterflies between points lo[t] and hi[t] with factor w[t], one complex
// point per register. The products and sums are the classic ones, in the
// same order: tempr = wr xr - wi xi, tempi = wi xr + wr xi, then the clamp,
// then lo - temp and temp + lo.
#if defined(__SSE2__)
void butterflies(double* lo, double* hi, const Twiddle* w, std::int64_t count) {
    const __m128d upper = _mm_set1_pd(kClamp);
    const __m128d lower = _mm_set1_pd(-kClamp);
    for (std::int64_t t = 0; t < count; ++t) {
        const __m128d x = _mm_loadu_pd(hi + 2 * t);
        const __m128d products =
            _mm_add_pd(_mm_mul_pd(_mm_load_pd(w[t].direct), _mm_unpacklo_pd(x, x)),
                       _mm_mul_pd(_mm_load_pd(w[t].crossed), _mm_unpackhi_pd(x, x)));
        // min(C, v) is C only where C < v, max(-C, v) -C only where -C > v: NaN passes.
        const __m128d temp = _mm_max_pd(lower, _mm_min_pd(upper, products));
        const __m128d a = _mm_loadu_pd(lo + 2 * t);
        _mm_storeu_pd(hi + 2 * t, _mm_sub_pd(a, temp));
        _mm_storeu_pd(lo + 2 * t, _mm_add_pd(temp, a));
    }
}
#else
// The same operations one double at a time, where there are no SSE2
// registers (the WebAssembly build).
void butterflies(double* lo, double* hi, const Twiddle* w, std::int64_t count) {
    const auto clamp = [](double v) {
        const double below = kClamp < v ? kClamp : v;
        return -kClamp > below ? -kClamp : below;
    };
    for (std::int64_t t = 0; t < count; ++t) {
        const double xr = hi[2 * t];
        const double xi = hi[2 * t + 1];
        const double tempr = clamp(w[t].direct[0] * xr + w[t].crossed[0] * xi);
        const double tempi = clamp(w[t].direct[1] * xr + w[t].crossed[1] * xi);
        const double ar = lo[2 * t];
        const double ai = lo[2 * t + 1];
        hi[2 * t] = ar - tempr;
        hi[2 * t + 1] = ai - tempi;
        lo[2 * t] = tempr + ar;
        lo[2 * t + 1] = tempi + ai;
    }
}
#endif

// One stage: blocks of 2 * span points, each a run of `span` butterflies.
// Every butterfly of a stage touches its own two points, so running them
// block by block, rather than factor by factor as the classic loop does,
// gives the same results while walking the data in order.
void stage(double* data, std::int64_t points, std::int64_t span, bool inverse) {
    if (2 * span <= fft_detail::kTabledPoints) {
        const Twiddle* w = fft_detail::tabledStage(span, inverse).data();
        for (std::int64_t block = 0; block < points; block += 2 * span) {
            double* lo = data + 2 * block;
            butterflies(lo, lo + 2 * span, w, span);
        }
        return;
    }
    // Longer stages than the tables hold: the factors in pieces, the
    // recurrence carried on from one piece to the next.
    constexpr std::int64_t kPiece = 1024;
    std::array<Twiddle, kPiece> w;
    fft_detail::TwiddleRecurrence recurrence(span, inverse ? -1.0 : 1.0);
    for (std::int64_t first = 0; first < span; first += kPiece) {
        const std::int64_t count = std::min(kPiece, span - first);
        for (std::int64_t t = 0; t < count; ++t) w[static_cast<std::size_t>(t)] = recurrence.next();
        for (std::int64_t block = 0; block < points; block += 2 * span) {
            double* lo = data + 2 * (block + first);
            butterflies(lo, lo + 2 * span, w.data(), count);
        }
    }
}

}  // namespace

bool FFT(double* dData, std::int32_t lPoints, bool bInverse) {
    if (!isPowerOfTwo(lPoints)) return false;
    const std::int64_t points = lPoints;

    permute(dData, points);
    for (std::int64_t span = 1; span < points; span *= 2) stage(dData, points, span, bInverse);

    if (bInverse) {
        const double divisor = static_cast<double>(lPoints);
        for (std::int64_t e = 0; e < 2 * points; ++e) dData[e] /= divisor;
    }
    return true;
}

}  // namespace tarvel
