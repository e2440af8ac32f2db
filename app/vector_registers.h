#pragma once
// The numerics are built for plain SSE. On many Intel cores such code runs up
// to three times slower while AVX code that ran before it (the toolkit's
// start-up and painting, between two ticks) has left the upper halves of the
// vector registers in use. Clearing them takes one instruction, which is run
// only where the CPU has AVX.
//
// A few hot loops also have versions for wider registers, chosen at run time
// where the CPU has them; they give the very same results.

namespace tarvel {

// Call on entry to heavy numeric work that may follow the toolkit's code.
void clearUpperVectorHalves();

// True where the CPU has AVX (AVX2) and wide registers are allowed.
bool avxInUse();
bool avx2InUse();

// Turns the wide versions off or on again (still only where the CPU has
// them): the tests compare both ways on one machine.
void allowWideRegisters(bool allowed);

}  // namespace tarvel
