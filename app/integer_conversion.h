#pragma once
// The 16-bit Integer conversion the handlers use (a pointer position turned
// into a corner, a path's sample shift turned into a trace shift): nearest,
// halves to the even neighbour (1.5 -> 2, 2.5 -> 2, 4.5 -> 4). Values beyond
// the 16-bit range saturate at -32768 / 32767; NaN gives 0.

#include <cstdint>

namespace tarvel {

std::int16_t toInteger16(double value);

}  // namespace tarvel
