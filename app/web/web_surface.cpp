#include "app/web/web_surface.h"

#include <utility>

namespace tarvel::web {
namespace {

// The core's colour is red + 256 green + 65536 blue: in a little-endian word
// the bytes already stand R, G, B; an opaque alpha completes them.
std::uint32_t rgbaPixel(Colour colour) {
    return 0xFF000000u | static_cast<std::uint32_t>(colour);
}

}  // namespace

WebSurface::WebSurface(const PictureBox& box, double ratio) : pixels_(rgbaPixel) {
    pixels_.bind(allocate(box, ratio), ratio);
}

void WebSurface::setRatio(const PictureBox& box, double ratio) {
    const std::vector<std::uint32_t> previous = std::move(buffer_);  // read while the drawing moves
    pixels_.rebind(allocate(box, ratio), ratio);
}

pixels::PixelTarget WebSurface::allocate(const PictureBox& box, double ratio) {
    const pixels::PixelSize size = pixels::devicePixelSizeOf(box, ratio);
    width_ = size.width;
    height_ = size.height;
    buffer_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    return {buffer_.data(), width_, height_, width_};
}

std::uintptr_t WebSurface::address() const {
    return reinterpret_cast<std::uintptr_t>(buffer_.data());
}

}  // namespace tarvel::web
