#pragma once
// The core keeps colours as red + 256 green + 65536 blue; Qt as QColor or as
// 0xAARRGGBB pixels.

#include <QColor>
#include <cstdint>

#include "app/colour.h"

namespace tarvel::view {

inline QColor toQColor(Colour c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

inline Colour fromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

// An opaque pixel of QImage::Format_RGB32 / ARGB32.
inline std::uint32_t toPixel(Colour c) {
    return 0xFF000000u | static_cast<std::uint32_t>(redOf(c) << 16) |
           static_cast<std::uint32_t>(greenOf(c) << 8) | static_cast<std::uint32_t>(blueOf(c));
}

}  // namespace tarvel::view
