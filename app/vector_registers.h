#pragma once
// The numerics are built for plain SSE. On many Intel cores such code runs up
// to three times slower while AVX code that ran before it (the toolkit's
// start-up and painting, between two ticks) has left the upper halves of the
// vector registers in use. Clearing them takes one instruction, which is run
// only where the CPU has AVX.

namespace tarvel {

// Call on entry to heavy numeric work that may follow the toolkit's code.
void clearUpperVectorHalves();

}  // namespace tarvel
