#pragma once
// nrFFT: in-place radix-2 complex FFT on interleaved data.
//
//   dData    complex point k at dData[2k] (real) and dData[2k+1] (imaginary);
//            at least 2 * lPoints elements; nothing past 2 * lPoints - 1 is touched.
//   lPoints  N, the number of complex points: a power of two, 2 or more.
//   bInverse false: X(k) = sum x(n) exp(+2 pi i n k / N), unscaled.
//            true:  x(n) = (1/N) sum X(k) exp(-2 pi i n k / N).
//
// Returns false, leaving the data unchanged, when N is not a power of two; the
// caller reports that to the user (kFftRefusal). Allocates nothing.

#include <cstdint>

namespace tarvel {

constexpr const char* kFftRefusal = "This FFT only does powers of two.";

[[nodiscard]] bool FFT(double* dData, std::int32_t lPoints, bool bInverse);

}  // namespace tarvel
