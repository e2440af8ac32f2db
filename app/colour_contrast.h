#pragma once
// Contrast between two colours as the web's accessibility guidelines
// measure it: relative luminance of the sRGB values, and the ratio
// (lighter + 0.05) / (darker + 0.05), from 1 (alike) to 21 (black on white).

#include "app/colour.h"

namespace tarvel {

// 0 for black .. 1 for white.
double relativeLuminance(Colour colour);

double contrastRatio(Colour a, Colour b);

}  // namespace tarvel
