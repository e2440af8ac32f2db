#include "analysis/fft_wide.h"

#include "analysis/fft_twiddles.h"

#if defined(__x86_64__) && !defined(__EMSCRIPTEN__)
#include <immintrin.h>
#define TARVEL_FFT_WIDE 1
#endif

namespace tarvel::fft_detail {

#if defined(TARVEL_FFT_WIDE)

namespace {

// Points t and t + 1 in one register: (re t, im t, re t+1, im t+1). The
// factors of t and t + 1 likewise, as (wr, wi) and as (-wi, wr).
struct WideTwiddles {
    __m256d direct;
    __m256d crossed;
};

__attribute__((target("avx"))) inline WideTwiddles twiddlesAt(const Twiddle* w) {
    const __m256d first = _mm256_loadu_pd(w[0].direct);   // direct t, crossed t
    const __m256d second = _mm256_loadu_pd(w[1].direct);  // direct t+1, crossed t+1
    return {_mm256_permute2f128_pd(first, second, 0x20),
            _mm256_permute2f128_pd(first, second, 0x31)};
}

// The 128-bit butterfly, lane for lane.
__attribute__((target("avx"))) inline void butterfly(__m256d& lo, __m256d& hi,
                                                     const WideTwiddles& w) {
    const __m256d x = hi;
    const __m256d products = _mm256_add_pd(_mm256_mul_pd(w.direct, _mm256_unpacklo_pd(x, x)),
                                           _mm256_mul_pd(w.crossed, _mm256_unpackhi_pd(x, x)));
    const __m256d temp = _mm256_max_pd(_mm256_set1_pd(-kProductClamp),
                                       _mm256_min_pd(_mm256_set1_pd(kProductClamp), products));
    hi = _mm256_sub_pd(lo, temp);
    lo = _mm256_add_pd(temp, lo);
}

}  // namespace

__attribute__((target("avx"))) void twoStagesWide(double* data, std::int64_t points,
                                                  std::int64_t span, bool inverse) {
    const Twiddle* first = tabledStage(span, inverse).data();
    const Twiddle* second = tabledStage(2 * span, inverse).data();
    for (std::int64_t block = 0; block < points; block += 4 * span) {
        double* p = data + 2 * block;
        for (std::int64_t t = 0; t < span; t += 2) {
            double* a = p + 2 * t;
            double* b = a + 2 * span;
            double* c = b + 2 * span;
            double* d = c + 2 * span;
            __m256d pa = _mm256_loadu_pd(a), pb = _mm256_loadu_pd(b);
            __m256d pc = _mm256_loadu_pd(c), pd = _mm256_loadu_pd(d);
            const WideTwiddles w = twiddlesAt(first + t);
            butterfly(pa, pb, w);
            butterfly(pc, pd, w);
            butterfly(pa, pc, twiddlesAt(second + t));
            butterfly(pb, pd, twiddlesAt(second + t + span));
            _mm256_storeu_pd(a, pa);
            _mm256_storeu_pd(b, pb);
            _mm256_storeu_pd(c, pc);
            _mm256_storeu_pd(d, pd);
        }
    }
}

#else

void twoStagesWide(double*, std::int64_t, std::int64_t, bool) {}

#endif

}  // namespace tarvel::fft_detail
