#pragma once
// Colours are kept as the window system's RGB long: red + 256 green + 65536 blue.

#include <cstdint>
#include <string>

namespace tarvel {

using Colour = std::int32_t;

constexpr Colour RGB(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(Colour c) {
    return c & 0xFF;
}
constexpr int greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kWhite = RGB(255, 255, 255);
// The control face of a classic desktop; the window replaces it with its
// platform's own face colour before start-up.
constexpr Colour kDefaultFaceColour = RGB(240, 240, 240);

// "#rrggbb", lower case.
std::string toHex(Colour c);

}  // namespace tarvel
