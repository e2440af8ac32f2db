// rowsOfRun() four segments to a 256-bit register: the same comparisons,
// products, sums and truncations lane for lane, never a fused multiply-add,
// so every offset and every extent is the one the plain version gives.
#include "app/pixels/column_rows.h"

#if defined(__x86_64__) && !defined(__EMSCRIPTEN__)

#include <immintrin.h>

#include <limits>

namespace tarvel::pixels::column_rows {
namespace {

__attribute__((target("avx2"))) double lowestOf(__m256d v) {
    const __m128d pair = _mm_min_pd(_mm256_castpd256_pd128(v), _mm256_extractf128_pd(v, 1));
    return _mm_cvtsd_f64(_mm_min_sd(pair, _mm_unpackhi_pd(pair, pair)));
}

__attribute__((target("avx2"))) double highestOf(__m256d v) {
    const __m128d pair = _mm_max_pd(_mm256_castpd256_pd128(v), _mm256_extractf128_pd(v, 1));
    return _mm_cvtsd_f64(_mm_max_sd(pair, _mm_unpackhi_pd(pair, pair)));
}

// Each slot of group g: its pixel's offset, from the row the line has at
// its column.
__attribute__((target("avx2"))) void putOffsets(const Run& run, const Rows& rows, std::size_t g,
                                                __m256d start, __m256d slope) {
    const __m256d half = _mm256_set1_pd(0.5);
    const __m128i stride = _mm_set1_epi32(run.stride);
    const std::size_t slots = run.slotsPerSegment;
    for (std::size_t t = 0; t < slots; ++t) {
        const std::size_t at = (g * slots + t) * kLanes;
        const __m256d along = _mm256_loadu_pd(run.slotAlong + at);
        const __m256d y = _mm256_add_pd(_mm256_add_pd(start, _mm256_mul_pd(along, slope)), half);
        const __m128i row = _mm256_cvttpd_epi32(y);
        const __m128i column =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(run.slotColumns + at));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(rows.offsets + at),
                         _mm_add_epi32(_mm_mullo_epi32(row, stride), column));
    }
}

}  // namespace

__attribute__((target("avx2"))) Extent rowsOfRunWide(Run run, Rows rows) {
    const __m256d infinity = _mm256_set1_pd(std::numeric_limits<double>::infinity());
    const __m256d minusInfinity = _mm256_set1_pd(-std::numeric_limits<double>::infinity());
    const __m256d zero = _mm256_setzero_pd();
    const __m256d signBit = _mm256_set1_pd(-0.0);
    const __m256d bottom = _mm256_set1_pd(run.bottom);
    const __m256d reachTop = _mm256_set1_pd(run.reachTop);
    const __m256d reachBottom = _mm256_set1_pd(run.reachBottom);
    std::size_t general = 0;
    __m256d lowest = infinity, highest = minusInfinity;
    __m256d left = infinity, right = minusInfinity;
    for (std::size_t g = 0; g < run.groups; ++g) {
        const std::size_t j = g * kLanes;
        const __m256d y1 = _mm256_loadu_pd(run.ys + j);
        const __m256d y2 = _mm256_loadu_pd(run.ys + j + 1);
        const __m256d width = _mm256_loadu_pd(run.widths + j);
        const __m256d dy = _mm256_sub_pd(y2, y1);
        // min(y1, y2) as std::min takes it: y2 when y2 < y1, else y1.
        const __m256d low = _mm256_blendv_pd(y1, y2, _mm256_cmp_pd(y2, y1, _CMP_LT_OQ));
        const __m256d high = _mm256_blendv_pd(y1, y2, _mm256_cmp_pd(y1, y2, _CMP_LT_OQ));
        const __m256d direct = _mm256_and_pd(
            _mm256_and_pd(_mm256_cmp_pd(width, _mm256_andnot_pd(signBit, dy), _CMP_GE_OQ),
                          _mm256_cmp_pd(low, zero, _CMP_GE_OQ)),
            _mm256_cmp_pd(high, bottom, _CMP_LT_OQ));
        const __m256d start = _mm256_and_pd(direct, y1);
        const __m256d slope =
            _mm256_and_pd(_mm256_and_pd(direct, _mm256_cmp_pd(width, zero, _CMP_GT_OQ)),
                          _mm256_div_pd(dy, width));
        const int drawable = _mm256_movemask_pd(direct);
        rows.drawable[g] = static_cast<std::uint8_t>(drawable);
        const int reaching =
            _mm256_movemask_pd(_mm256_and_pd(_mm256_cmp_pd(high, reachTop, _CMP_GE_OQ),
                                             _mm256_cmp_pd(low, reachBottom, _CMP_LT_OQ)));
        for (int remaining = reaching & ~drawable; remaining != 0; remaining &= remaining - 1) {
            const std::size_t segment = j + static_cast<std::size_t>(__builtin_ctz(remaining));
            if (segment < run.segments)
                rows.general[general++] = static_cast<std::uint32_t>(segment);
        }
        lowest = _mm256_min_pd(lowest, _mm256_blendv_pd(infinity, low, direct));
        highest = _mm256_max_pd(highest, _mm256_blendv_pd(minusInfinity, high, direct));
        left = _mm256_min_pd(
            left, _mm256_blendv_pd(infinity, _mm256_loadu_pd(run.firstColumns + j), direct));
        right = _mm256_max_pd(
            right, _mm256_blendv_pd(minusInfinity, _mm256_loadu_pd(run.endColumns + j), direct));
        putOffsets(run, rows, g, start, slope);
    }
    return {lowestOf(lowest), highestOf(highest), lowestOf(left), highestOf(right), general};
}

}  // namespace tarvel::pixels::column_rows

#else

namespace tarvel::pixels::column_rows {

Extent rowsOfRunWide(Run run, Rows rows) {
    return rowsOfRun(run, rows);
}

}  // namespace tarvel::pixels::column_rows

#endif
