#pragma once
// A clipped line rasteriser that writes straight into 32-bit pixel rows. The
// eye diagrams hand over about a hundred thousand segments per tick, most of
// them beside the box, so this is a tight loop with no painter behind it,
// inline so that the surface's call costs nothing.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace tarvel::pixels {

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
    void unite(const PixelRect& other) {
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
};

// Draws the segment from (x1, y1) to (x2, y2), in pixel units of the target
// with pixel (i, j) centred on (i, j), both end points included, the way a
// plain one-pixel line is drawn: along its major axis the line sets one
// pixel per column (or row), the one nearest to the ideal line there.
// `thickness` pixels are set across the line, from that pixel right or
// down. Anything outside the target is cut off; a segment with a non-finite
// coordinate draws nothing. Returns the rectangle of pixels it may have set.
inline PixelRect drawLine(const PixelTarget& target, double x1, double y1, double x2, double y2,
                          std::uint32_t colour, int thickness);

// Draws the n - 1 segments of a run of n points, given as x0, y0, x1, y1, ...
// and scaled to pixel units by `scale`, each exactly as drawLine() draws it.
// Each point is scaled once, and the common segment (short, flat, inside)
// is drawn inline. Returns the rectangle of pixels it may have set.
inline PixelRect drawPolyline(const PixelTarget& target, const float* xy, std::size_t points,
                              double scale, std::uint32_t colour, int thickness);

namespace rasteriser_detail {

// Only for values already known to lie well inside the int range.
inline int floorToInt(double v) {
    const int i = static_cast<int>(v);
    return v < i ? i - 1 : i;
}

// The pixel whose centre is nearest: pixel i covers [i - 0.5, i + 0.5).
inline int pixelOf(double v) {
    return floorToInt(v + 0.5);
}

// One segment walked along its major axis `a` (extent majorSize), setting
// `thickness` pixels along the minor axis `b` (extent minorSize) per step.
// `offsetOf(a, b)` maps a step and a pixel across to the pixel's index.
template <typename Offset>
inline PixelRect walk(std::uint32_t* pixels, Offset offsetOf, int majorSize, int minorSize,
                      double a1, double b1, double a2, double b2, std::uint32_t colour,
                      int thickness) {
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int first = a1 < 0 ? 0 : pixelOf(a1);
    const int last = a2 >= majorSize - 0.5 ? majorSize - 1 : pixelOf(a2);
    if (first > last) return {};

    const double slope = a2 > a1 ? (b2 - b1) / (a2 - a1) : 0.0;
    // The ideal line at step c, held at the end points beyond them. Written
    // without branches: they would mispredict on every short segment.
    auto minorAt = [=](int c) {
        const double at = std::min(std::max(static_cast<double>(c), a1), a2);
        return b1 + (at - a1) * slope;
    };

    // Reject a segment whose visible steps all lie above or below the target.
    // |slope| <= 1, so once one end is near the target both are in int range.
    const double bFirst = minorAt(first);
    const double bLast = minorAt(last);
    const double bLow = std::min(bFirst, bLast);
    const double bHigh = std::max(bFirst, bLast);
    if (bHigh < 0.5 - thickness || bLow >= minorSize - 0.5) return {};

    if (thickness == 1) {
        const auto size = static_cast<unsigned>(minorSize);
        for (int c = first; c <= last; ++c) {
            const int b = pixelOf(minorAt(c));
            if (static_cast<unsigned>(b) < size) pixels[offsetOf(c, b)] = colour;
        }
    } else {
        for (int c = first; c <= last; ++c) {
            const int from = pixelOf(minorAt(c));
            const int to = std::min(from + thickness, minorSize);
            for (int b = std::max(from, 0); b < to; ++b) pixels[offsetOf(c, b)] = colour;
        }
    }

    const int low = std::max(pixelOf(bLow), 0);
    const int high = std::min(pixelOf(bHigh) + thickness, minorSize);
    return {first, low, last + 1, high};
}

// The common case of the eye diagrams, a short flat segment drawn left to
// right wholly inside the target (rows from.. from + thickness - 1 too): the
// same arithmetic as walk(), without its clipping and swapping. Only the end
// columns can lie beyond the end points, so only they are held there; the
// columns between take the line's value at their centre, as walk() does.
inline PixelRect flatInside(const PixelTarget& target, double x1, double y1, double x2, double y2,
                            std::uint32_t colour, int thickness) {
    const int first = static_cast<int>(x1 + 0.5);  // x1 >= 0: truncation is floor
    const int last = static_cast<int>(x2 + 0.5);
    const double slope = x2 > x1 ? (y2 - y1) / (x2 - x1) : 0.0;
    std::uint32_t* pixels = target.pixels;
    const std::ptrdiff_t stride = target.stride;
    auto rowAt = [=](double at) { return static_cast<int>(y1 + (at - x1) * slope + 0.5); };
    auto set = [=](int column, int row) {
        std::uint32_t* pixel = pixels + row * stride + column;
        if (thickness == 1) {
            *pixel = colour;
        } else {
            for (int t = 0; t < thickness; ++t, pixel += stride) *pixel = colour;
        }
    };
    // first <= x1 + 0.5, and first < last implies first <= x2 - 0.5: of the
    // clamp to [x1, x2] only the lower bound can apply to the first column.
    const double firstAt = static_cast<double>(first);
    if (first == last) {
        set(first, rowAt(std::min(std::max(firstAt, x1), x2)));
    } else {
        set(first, rowAt(firstAt > x1 ? firstAt : x1));
        for (int c = first + 1; c < last; ++c) set(c, rowAt(static_cast<double>(c)));
        const double lastAt = static_cast<double>(last);
        set(last, rowAt(lastAt < x2 ? lastAt : x2));
    }
    return {first, static_cast<int>(std::min(y1, y2) + 0.5), last + 1,
            static_cast<int>(std::max(y1, y2) + 0.5) + thickness};
}

}  // namespace rasteriser_detail

inline PixelRect drawLine(const PixelTarget& target, double x1, double y1, double x2, double y2,
                          std::uint32_t colour, int thickness) {
    using rasteriser_detail::walk;
    thickness = std::max(thickness, 1);
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    // Written so that NaN and infinite coordinates take the general path.
    if (dx >= (dy < 0 ? -dy : dy) && x1 >= 0 && x2 < target.width - 0.5 && std::min(y1, y2) >= 0 &&
        std::max(y1, y2) < target.height - thickness) {
        return rasteriser_detail::flatInside(target, x1, y1, x2, y2, colour, thickness);
    }
    // Most eye-diagram segments miss the box sideways: reject them first.
    // Written so that a NaN coordinate fails the test too.
    const double reach = 0.5 - thickness;
    if (!(std::max(x1, x2) >= reach && std::min(x1, x2) < target.width - 0.5 &&
          std::max(y1, y2) >= reach && std::min(y1, y2) < target.height - 0.5)) {
        return {};
    }
    // An infinite coordinate makes this NaN (and the test false).
    if (!((x1 - x1) + (y1 - y1) + (x2 - x2) + (y2 - y2) == 0)) return {};

    std::uint32_t* pixels = target.pixels;
    const std::ptrdiff_t stride = target.stride;
    if ((dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy)) {
        auto offset = [stride](int column, int row) { return row * stride + column; };
        return walk(pixels, offset, target.width, target.height, x1, y1, x2, y2, colour, thickness);
    }
    auto offset = [stride](int row, int column) { return row * stride + column; };
    const PixelRect r =
        walk(pixels, offset, target.height, target.width, y1, x1, y2, x2, colour, thickness);
    return {r.top, r.left, r.bottom, r.right};
}

inline PixelRect drawPolyline(const PixelTarget& target, const float* xy, std::size_t points,
                              double scale, std::uint32_t colour, int thickness) {
    thickness = std::max(thickness, 1);
    // Flat segments inside these bounds take the inline path, as in drawLine().
    const double right = target.width - 0.5;
    const double bottom = target.height - thickness;
    PixelRect drawn;
    int left = target.width, top = target.height, rightEnd = 0, bottomEnd = 0;
    double x1 = static_cast<double>(xy[0]) * scale;
    double y1 = static_cast<double>(xy[1]) * scale;
    for (std::size_t k = 1; k < points; ++k) {
        const double x2 = static_cast<double>(xy[2 * k]) * scale;
        const double y2 = static_cast<double>(xy[2 * k + 1]) * scale;
        const double dy = y2 - y1;
        const double low = std::min(y1, y2);
        const double high = std::max(y1, y2);
        if (x2 - x1 >= (dy < 0 ? -dy : dy) && x1 >= 0 && x2 < right && low >= 0 && high < bottom) {
            const PixelRect r =
                rasteriser_detail::flatInside(target, x1, y1, x2, y2, colour, thickness);
            left = std::min(left, r.left);
            top = std::min(top, r.top);
            rightEnd = std::max(rightEnd, r.right);
            bottomEnd = std::max(bottomEnd, r.bottom);
        } else {
            drawn.unite(drawLine(target, x1, y1, x2, y2, colour, thickness));
        }
        x1 = x2;
        y1 = y2;
    }
    drawn.unite(PixelRect{left, top, rightEnd, bottomEnd});
    return drawn;
}

}  // namespace tarvel::pixels
