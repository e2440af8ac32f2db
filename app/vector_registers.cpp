#include "app/vector_registers.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace tarvel {
namespace {
bool wideAllowed = true;
}

void allowWideRegisters(bool allowed) {
    wideAllowed = allowed;
}

#if (defined(__x86_64__) || defined(__i386__)) && !defined(__EMSCRIPTEN__)

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

bool avxInUse() {
    static const bool available = __builtin_cpu_supports("avx");
    return available && wideAllowed;
}

bool avx2InUse() {
    static const bool available = __builtin_cpu_supports("avx2");
    return available && wideAllowed;
}

#else

void clearUpperVectorHalves() {}
bool avxInUse() {
    return false;
}
bool avx2InUse() {
    return false;
}

#endif

}  // namespace tarvel
