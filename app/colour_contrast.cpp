#include "app/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace tarvel {
namespace {

// One sRGB channel, 0 .. 255, as linear light.
double linearChannel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(Colour colour) {
    return 0.2126 * linearChannel(redOf(colour)) + 0.7152 * linearChannel(greenOf(colour)) +
           0.0722 * linearChannel(blueOf(colour));
}

double contrastRatio(Colour a, Colour b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace tarvel
