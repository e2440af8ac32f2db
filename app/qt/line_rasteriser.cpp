#include "app/qt/line_rasteriser.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvel::view {
namespace {

// Only for values already known to lie well inside the int range.
inline int floorToInt(double v) {
    const int i = static_cast<int>(v);
    return v < i ? i - 1 : i;
}

// The pixel whose centre is nearest: pixel i covers [i - 0.5, i + 0.5).
inline int pixelOf(double v) { return floorToInt(v + 0.5); }

// One segment walked along its major axis `a` (extent majorSize), setting
// `thickness` pixels along the minor axis `b` (extent minorSize) per step.
// The caller maps (a, b) to a pixel offset; the walk knows nothing of rows.
template <typename Offset>
PixelRect walk(std::uint32_t* pixels, Offset offsetOf, int majorSize, int minorSize, double a1,
               double b1, double a2, double b2, std::uint32_t colour, int thickness) {
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int first = a1 < 0 ? 0 : pixelOf(a1);
    const int last = a2 >= majorSize - 0.5 ? majorSize - 1 : pixelOf(a2);
    if (first > last) return {};

    const double slope = a2 > a1 ? (b2 - b1) / (a2 - a1) : 0.0;
    const double base = b1 - a1 * slope;
    // The ideal line at step c; the end steps take the end points themselves.
    auto minorAt = [&](int c) {
        if (c <= a1) return b1;
        if (c >= a2) return b2;
        return base + c * slope;
    };

    // Reject a segment whose visible steps all lie above or below the target.
    // |slope| <= 1, so once one end is near the target both are in int range.
    const double bFirst = minorAt(first);
    const double bLast = minorAt(last);
    const double bLow = std::min(bFirst, bLast);
    const double bHigh = std::max(bFirst, bLast);
    if (bHigh < 0.5 - thickness || bLow >= minorSize - 0.5) return {};

    for (int c = first; c <= last; ++c) {
        const int from = pixelOf(minorAt(c));
        const int to = std::min(from + thickness, minorSize);
        for (int b = std::max(from, 0); b < to; ++b) pixels[offsetOf(c, b)] = colour;
    }

    const int top = std::max(pixelOf(bLow), 0);
    const int bottom = std::min(pixelOf(bHigh) + thickness, minorSize);
    return {first, top, last + 1, bottom};
}

}  // namespace

void PixelRect::unite(const PixelRect& other) {
    if (other.isEmpty()) return;
    if (isEmpty()) {
        *this = other;
        return;
    }
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
}

PixelRect drawLine(const PixelTarget& target, double x1, double y1, double x2, double y2,
                   std::uint32_t colour, int thickness) {
    if (target.pixels == nullptr || target.width <= 0 || target.height <= 0) return {};
    thickness = std::max(thickness, 1);

    // Cheap rejection first: most eye-diagram segments miss the box sideways.
    // Written so that a NaN coordinate fails the test too.
    const double reach = 0.5 - thickness;
    if (!(std::max(x1, x2) >= reach && std::min(x1, x2) < target.width - 0.5 &&
          std::max(y1, y2) >= reach && std::min(y1, y2) < target.height - 0.5)) {
        return {};
    }
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return {};
    }

    std::uint32_t* pixels = target.pixels;
    const std::ptrdiff_t stride = target.stride;
    if (std::abs(x2 - x1) >= std::abs(y2 - y1)) {
        auto offset = [stride](int column, int row) { return row * stride + column; };
        return walk(pixels, offset, target.width, target.height, x1, y1, x2, y2, colour,
                    thickness);
    }
    auto offset = [stride](int row, int column) { return row * stride + column; };
    const PixelRect r = walk(pixels, offset, target.height, target.width, y1, x1, y2, x2, colour,
                             thickness);
    return {r.top, r.left, r.bottom, r.right};
}

}  // namespace tarvel::view
