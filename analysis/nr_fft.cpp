#include "analysis/nr_fft.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>

#include "analysis/fft_twiddles.h"
#include "analysis/fft_wide.h"
#include "app/vector_registers.h"

namespace tarvel {
namespace {

using fft_detail::Twiddle;

constexpr double kClamp = fft_detail::kProductClamp;

bool isPowerOfTwo(std::int32_t points) {
    std::int64_t b = 2;
    while (points > b) b *= 2;
    return b == points;
}

// One butterfly between the points lo and hi with factor w, each point a
// pair of doubles held in a register. The products and sums are the classic
// ones, in the same order: tempr = wr xr - wi xi, tempi = wi xr + wr xi, then
// the clamp, then lo - temp and temp + lo.
#if defined(__SSE2__)
struct Point {
    __m128d v;
};
inline Point load(const double* p) {
    return {_mm_loadu_pd(p)};
}
inline void store(double* p, Point x) {
    _mm_storeu_pd(p, x.v);
}
inline void butterfly(Point& lo, Point& hi, const Twiddle& w) {
    const __m128d x = hi.v;
    const __m128d products = _mm_add_pd(_mm_mul_pd(_mm_load_pd(w.direct), _mm_unpacklo_pd(x, x)),
                                        _mm_mul_pd(_mm_load_pd(w.crossed), _mm_unpackhi_pd(x, x)));
    // min(C, v) is C only where C < v, max(-C, v) -C only where -C > v: NaN passes.
    const __m128d temp =
        _mm_max_pd(_mm_set1_pd(-kClamp), _mm_min_pd(_mm_set1_pd(kClamp), products));
    hi.v = _mm_sub_pd(lo.v, temp);
    lo.v = _mm_add_pd(temp, lo.v);
}
#else
// The same operations one double at a time, for targets without SSE2 (the
// web build has it, through WebAssembly's 128-bit registers).
struct Point {
    double re, im;
};
inline Point load(const double* p) {
    return {p[0], p[1]};
}
inline void store(double* p, Point x) {
    p[0] = x.re;
    p[1] = x.im;
}
inline void butterfly(Point& lo, Point& hi, const Twiddle& w) {
    const auto clamp = [](double v) {
        const double below = kClamp < v ? kClamp : v;
        return -kClamp > below ? -kClamp : below;
    };
    const double tempr = clamp(w.direct[0] * hi.re + w.crossed[0] * hi.im);
    const double tempi = clamp(w.direct[1] * hi.re + w.crossed[1] * hi.im);
    hi = {lo.re - tempr, lo.im - tempi};
    lo = {tempr + lo.re, tempi + lo.im};
}
#endif

// The trades of the bit-reversal permutation of whole complex points, in
// the classic order: trade(i, j) for point i and point j > i.
template <typename Trade>
void forEachTrade(std::int64_t points, Trade trade) {
    const std::int64_t n = 2 * points;
    std::int64_t j = 1;  // counted in elements from 1
    for (std::int64_t i = 1; i <= n - 1; i += 2) {
        if (j > i) trade((i - 1) / 2, (j - 1) / 2);
        std::int64_t m = points;
        while (m >= 2 && j > m) {
            j -= m;
            m /= 2;
        }
        j += m;
    }
}

// The trades for the tabled length, worked out once: the demo's transforms
// all have that length, and trading from a list leaves no branch on the
// indices to mispredict. The trades are disjoint, so any order gives the
// same result: they are listed tile by tile. A point's partner reverses its
// bits, so points whose middle bits are m trade only with points whose
// middle bits are m reversed; such a tile's points lie in a few dozen cache
// lines, which stay at hand while it is traded, where the classic order
// jumps across the whole array on every trade.
struct Trades {
    std::array<std::uint16_t, fft_detail::kTabledPoints / 2> first{}, second{};
    std::size_t count = 0;
};

const Trades& tabledTrades() {
    static const Trades trades = [] {
        Trades t;
        forEachTrade(fft_detail::kTabledPoints, [&t](std::int64_t i, std::int64_t j) {
            t.first[t.count] = static_cast<std::uint16_t>(i);
            t.second[t.count] = static_cast<std::uint16_t>(j);
            ++t.count;
        });
        // 4096 points: 3 low, 6 middle and 3 high bits.
        const auto tile = [](std::uint16_t i, std::uint16_t j) {
            return std::min((i >> 3) & 63, (j >> 3) & 63);
        };
        // Sorted in place (std::stable_sort would allocate): the first
        // transform may come where nothing may allocate.
        std::array<std::size_t, fft_detail::kTabledPoints / 2> order{};
        for (std::size_t k = 0; k < t.count; ++k) order[k] = k;
        std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(t.count),
                  [&t, &tile](std::size_t a, std::size_t b) {
                      return tile(t.first[a], t.second[a]) < tile(t.first[b], t.second[b]);
                  });
        Trades tiled;
        for (std::size_t k = 0; k < t.count; ++k) {
            tiled.first[k] = t.first[order[k]];
            tiled.second[k] = t.second[order[k]];
        }
        tiled.count = t.count;
        return tiled;
    }();
    return trades;
}

void tradePoints(double* data, std::int64_t i, std::int64_t j) {
    const Point a = load(data + 2 * i);
    const Point b = load(data + 2 * j);
    store(data + 2 * i, b);
    store(data + 2 * j, a);
}

void permute(double* data, std::int64_t points) {
    if (points != fft_detail::kTabledPoints) {
        forEachTrade(points, [data](std::int64_t i, std::int64_t j) { tradePoints(data, i, j); });
        return;
    }
    const Trades& trades = tabledTrades();
    for (std::size_t k = 0; k < trades.count; ++k) {
        tradePoints(data, trades.first[k], trades.second[k]);
    }
}

// Butterflies between points lo[t] and hi[t] with factor w[t].
void butterflies(double* lo, double* hi, const Twiddle* w, std::int64_t count) {
    for (std::int64_t t = 0; t < count; ++t) {
        Point a = load(lo + 2 * t);
        Point x = load(hi + 2 * t);
        butterfly(a, x, w[t]);
        store(hi + 2 * t, x);
        store(lo + 2 * t, a);
    }
}

// The stages of span `span` and 2 span in one pass over the data, each
// point loaded and stored once for both. In a block of 4 span points, the
// points t, t + span, t + 2 span and t + 3 span meet only one another in
// these two stages, so each butterfly gets the very inputs it gets stage
// by stage.
void twoStages(double* data, std::int64_t points, std::int64_t span, bool inverse) {
    const Twiddle* first = fft_detail::tabledStage(span, inverse).data();
    const Twiddle* second = fft_detail::tabledStage(2 * span, inverse).data();
    for (std::int64_t block = 0; block < points; block += 4 * span) {
        double* p = data + 2 * block;
        for (std::int64_t t = 0; t < span; ++t) {
            double* a = p + 2 * t;
            double* b = a + 2 * span;
            double* c = b + 2 * span;
            double* d = c + 2 * span;
            Point pa = load(a), pb = load(b), pc = load(c), pd = load(d);
            butterfly(pa, pb, first[t]);
            butterfly(pc, pd, first[t]);
            butterfly(pa, pc, second[t]);
            butterfly(pb, pd, second[t + span]);
            store(a, pa);
            store(b, pb);
            store(c, pc);
            store(d, pd);
        }
    }
}

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
    std::int64_t span = 1;
    const bool wide = avxInUse();
    for (; 4 * span <= std::min(points, fft_detail::kTabledPoints); span *= 4) {
        if (wide && span >= 2) {
            fft_detail::twoStagesWide(dData, points, span, bInverse);
        } else {
            twoStages(dData, points, span, bInverse);
        }
    }
    for (; span < points; span *= 2) stage(dData, points, span, bInverse);

    if (bInverse) {
        const double divisor = static_cast<double>(lPoints);
        for (std::int64_t e = 0; e < 2 * points; ++e) dData[e] /= divisor;
    }
    return true;
}

}  // namespace tarvel
