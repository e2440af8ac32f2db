#pragma once
// A picture box of the page: the shared pixel surface drawing into a buffer
// of RGBA bytes, the order a canvas's image data takes, at the page's device
// pixel ratio, which the page may change as the form is scaled. The page
// copies what changed to its canvas after each event.

#include <cstdint>
#include <vector>

#include "app/controls.h"
#include "app/pixels/pixel_surface.h"

namespace tarvel::web {

class WebSurface {
  public:
    WebSurface(const PictureBox& box, double ratio);

    Surface& surface() { return pixels_; }
    // A new buffer at `ratio`, the drawing moved into it; the address
    // changes.
    void setRatio(const PictureBox& box, double ratio);
    double ratio() const { return pixels_.ratio(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The first byte of the buffer: width * height pixels of 4 bytes, R G B A.
    std::uintptr_t address() const;
    // The rectangle of pixels changed since the last call, emptied.
    pixels::PixelRect takeChanged() { return pixels_.takeChanged(); }

  private:
    // A buffer of the box's size at `ratio`, as the pixels' target.
    pixels::PixelTarget allocate(const PictureBox& box, double ratio);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> buffer_;
    pixels::PixelSurface pixels_;
};

}  // namespace tarvel::web
