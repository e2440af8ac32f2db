#include "app/web/web_surface.h"

namespace tarvel::web {
namespace {

// The core's colour is red + 256 green + 65536 blue: in a little-endian word
// the bytes already stand R, G, B; an opaque alpha completes them.
std::uint32_t rgbaPixel(Colour colour) {
    return 0xFF000000u | static_cast<std::uint32_t>(colour);
}

}  // namespace

WebSurface::WebSurface(const PictureBox& box, double ratio)
    : WebSurface(pixels::devicePixelSizeOf(box, ratio), ratio) {}

WebSurface::WebSurface(pixels::PixelSize size, double ratio)
    : width_(size.width),
      height_(size.height),
      buffer_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)),
      pixels_(rgbaPixel) {
    pixels_.bind(pixels::PixelTarget{buffer_.data(), width_, height_, width_}, ratio);
}

std::uintptr_t WebSurface::address() const {
    return reinterpret_cast<std::uintptr_t>(buffer_.data());
}

}  // namespace tarvel::web
