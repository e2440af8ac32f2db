#pragma once
// The transform's butterflies two at a time in 256-bit registers, where the
// CPU has AVX: every product, sum and clamp is the one the 128-bit code
// does, in the same order, so the results are the same to the bit. Only
// multiplies and adds are used, never a fused multiply-add.

#include <cstdint>

namespace tarvel::fft_detail {

// The stages of span `span` and 2 span in one pass, as the 128-bit code
// does them; span is even and 2 span is a tabled stage. Call only when
// avxInUse() (app/vector_registers.h).
void twoStagesWide(double* data, std::int64_t points, std::int64_t span, bool inverse);

}  // namespace tarvel::fft_detail
