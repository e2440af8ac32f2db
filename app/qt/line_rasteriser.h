#pragma once
// A clipped line rasteriser that writes straight into 32-bit pixel rows. The
// eye diagrams hand over about a hundred thousand segments per tick, most of
// them outside the box, so this is a tight loop with no painter behind it.

#include <cstddef>
#include <cstdint>

namespace tarvel::view {

// A block of 32-bit pixels, `stride` pixels from one row to the next.
struct PixelTarget {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

// Pixels [left, right) x [top, bottom); empty when right <= left.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool isEmpty() const { return right <= left || bottom <= top; }
    void unite(const PixelRect& other);
};

// Draws the segment from (x1, y1) to (x2, y2), in pixel units of the target
// with pixel (i, j) centred on (i, j), both end points included, the way a
// plain one-pixel line is drawn: along its major axis the line sets one
// pixel per column (or row), the one nearest to the ideal line there.
// `thickness` pixels are set across the line, from that pixel right or
// down. Anything outside the target is cut off; a segment with a non-finite
// coordinate draws nothing. Returns the rectangle of pixels it may have set.
PixelRect drawLine(const PixelTarget& target, double x1, double y1, double x2, double y2,
                   std::uint32_t colour, int thickness);

}  // namespace tarvel::view
