#include "app/vector_registers.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace tarvel {

#if defined(__x86_64__) || defined(__i386__)

namespace {

// Built for AVX on its own, so that no other code uses AVX instructions;
// it is called only once the CPU is known to have them.
__attribute__((target("avx"), noinline)) void zeroUpperHalves() {
    _mm256_zeroupper();
}

}  // namespace

void clearUpperVectorHalves() {
    if (__builtin_cpu_supports("avx")) zeroUpperHalves();
}

#else

void clearUpperVectorHalves() {}

#endif

}  // namespace tarvel
