#include "app/web/web_surface.h"

#include <cmath>

namespace tarvel::web {
namespace {

constexpr double kTwipsPerDip = 15.0;

// The core's colour is red + 256 green + 65536 blue: in a little-endian word
// the bytes already stand R, G, B; an opaque alpha completes them.
std::uint32_t rgbaPixel(Colour colour) {
    return 0xFF000000u | static_cast<std::uint32_t>(colour);
}

// The drawing area in device pixels, as the desktop's image surfaces size it.
int devicePixels(float innerTwips, double ratio) {
    const double dip = std::round(static_cast<double>(innerTwips) / kTwipsPerDip);
    return static_cast<int>(std::lround(dip * ratio));
}

}  // namespace

WebSurface::WebSurface(const PictureBox& box, double ratio)
    : width_(devicePixels(box.innerWidth(), ratio)),
      height_(devicePixels(box.innerHeight(), ratio)),
      buffer_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)),
      pixels_(rgbaPixel) {
    pixels_.bind(pixels::PixelTarget{buffer_.data(), width_, height_, width_}, ratio);
}

std::uintptr_t WebSurface::address() const {
    return reinterpret_cast<std::uintptr_t>(buffer_.data());
}

}  // namespace tarvel::web
