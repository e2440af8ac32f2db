#include "app/pixels/column_plan.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tarvel::pixels {
namespace {
// A segment wider than this many columns is no eye-diagram step: such runs
// are drawn segment by segment.
constexpr std::size_t kMaxSlotsPerSegment = 24;

// A float's bits (the web build's library has no std::bit_cast).
std::uint32_t bitsOf(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
}  // namespace

// Reserved, not filled: the memory is touched only as far as runs need it.
void ColumnPlan::reserve(std::size_t maxPoints, int width) {
    const std::size_t slots = 2 * static_cast<std::size_t>(std::max(width, 0)) + 8 * maxPoints;
    const auto room = [](auto& buffer, std::size_t size) {
        buffer.clear();
        buffer.reserve(size);
    };
    room(xs_, maxPoints);
    room(scaledXs_, maxPoints);
    room(shapes_, maxPoints);
    room(ys_, maxPoints);
    room(starts_, maxPoints);
    room(slopes_, maxPoints);
    room(direct_, maxPoints);
    room(general_, maxPoints);
    room(slotAlong_, slots);
    room(slotColumn_, slots);
    room(offsets_, slots);
    invalidate();
}

bool ColumnPlan::fits(const float* xy, std::size_t points, double scale, int width) const {
    if (points != points_ || scale != scale_ || width != width_) return false;
    std::uint32_t differ = 0;  // bit for bit: NaN and -0 are positions too
    for (std::size_t k = 0; k < points; ++k) {
        differ |= bitsOf(xy[2 * k]) ^ bitsOf(xs_[k]);
    }
    return differ == 0;
}

// The columns of each segment that lies left to right across the target,
// with the sample positions of rasteriser_detail::flatInside().
bool ColumnPlan::plan(const float* xy, std::size_t points, double scale, int width) {
    invalidate();
    if (points > xs_.capacity()) return false;
    // Within the room reserved, so nothing is allocated here.
    for (auto* buffer : {&scaledXs_, &ys_, &starts_, &slopes_}) buffer->resize(points);
    xs_.resize(points);
    shapes_.resize(points);
    direct_.resize(points);
    general_.resize(points);
    const double right = width - 0.5;
    for (std::size_t k = 0; k < points; ++k) {
        xs_[k] = xy[2 * k];
        scaledXs_[k] = static_cast<double>(xy[2 * k]) * scale;
    }
    std::size_t slots = 1;
    for (std::size_t j = 0; j + 1 < points; ++j) {
        const double x1 = scaledXs_[j];
        const double x2 = scaledXs_[j + 1];
        SegmentShape& shape = shapes_[j];
        shape.run = x2 - x1;
        shape.rising = x2 > x1;
        shape.insideColumns = x1 >= 0 && x2 < right && shape.run >= 0;
        if (!shape.insideColumns) continue;
        shape.firstColumn = static_cast<int>(x1 + 0.5);  // x1 >= 0: truncation is floor
        shape.lastColumn = static_cast<int>(x2 + 0.5);
        slots = std::max(slots, static_cast<std::size_t>(shape.lastColumn - shape.firstColumn + 1));
    }
    const std::size_t segments = points - 1;
    if (slots > kMaxSlotsPerSegment || segments * slots > slotAlong_.capacity()) return false;

    slotAlong_.assign(segments * slots, 0.0);
    slotColumn_.assign(segments * slots, 0);
    offsets_.resize(segments * slots);
    for (std::size_t j = 0; j < segments; ++j) {
        const SegmentShape& shape = shapes_[j];
        if (!shape.insideColumns) continue;
        const double x1 = scaledXs_[j];
        const double x2 = scaledXs_[j + 1];
        const int first = shape.firstColumn;
        const int last = shape.lastColumn;
        std::size_t slot = j * slots;
        const auto put = [&](double at, int column) {
            slotAlong_[slot] = at - x1;
            slotColumn_[slot] = column;
            ++slot;
        };
        const double firstAt = static_cast<double>(first);
        if (first == last) {
            put(std::min(std::max(firstAt, x1), x2), first);
        } else {
            put(firstAt > x1 ? firstAt : x1, first);
            for (int c = first + 1; c < last; ++c) put(static_cast<double>(c), c);
            const double lastAt = static_cast<double>(last);
            put(lastAt < x2 ? lastAt : x2, last);
        }
        // The slots to spare repeat the last column: it is set twice, alike.
        for (; slot < (j + 1) * slots; ++slot) {
            slotAlong_[slot] = slotAlong_[slot - 1];
            slotColumn_[slot] = slotColumn_[slot - 1];
        }
    }
    slotsPerSegment_ = slots;
    points_ = points;
    scale_ = scale;
    width_ = width;
    return true;
}

namespace {

// Sets `thickness` pixels down from the slots' pixels of each segment drawn
// from its slots, in a pass of its own over offsets already worked out: a
// store whose address waits on the arithmetic would hold back the loads
// behind it.
template <int kThickness>
void setSlots(const PixelTarget& target, const std::int32_t* offsets, const std::uint8_t* direct,
              std::size_t segments, std::size_t slots, std::uint32_t colour, int thickness) {
    const int across = kThickness > 0 ? kThickness : thickness;
    std::uint32_t* const pixels = target.pixels;
    const std::ptrdiff_t stride = target.stride;
    for (std::size_t j = 0; j < segments; ++j) {
        if (!direct[j]) continue;
        for (std::size_t k = j * slots; k < (j + 1) * slots; ++k) {
            std::uint32_t* pixel = pixels + offsets[k];
            for (int t = 0; t < across; ++t) pixel[t * stride] = colour;
        }
    }
}

}  // namespace

bool ColumnPlan::draw(const PixelTarget& target, const float* xy, std::size_t points, double scale,
                      std::uint32_t colour, int thickness, PixelRect& drawn) {
    thickness = std::max(thickness, 1);
    drawn = {};
    if (points < 2) return true;
    if (static_cast<double>(target.height) * static_cast<double>(target.stride) >
        std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    if (!fits(xy, points, scale, target.width) && !plan(xy, points, scale, target.width)) {
        return false;
    }
    const std::size_t segments = points - 1;
    const std::size_t slots = slotsPerSegment_;

    // The tests of drawPolyline() for the inline path, segment by segment.
    const double bottom = target.height - thickness;
    for (std::size_t k = 0; k < points; ++k) ys_[k] = static_cast<double>(xy[2 * k + 1]) * scale;
    std::size_t generalCount = 0;
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    int left = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    for (std::size_t j = 0; j < segments; ++j) {
        const SegmentShape& shape = shapes_[j];
        const double y1 = ys_[j];
        const double y2 = ys_[j + 1];
        const double dy = y2 - y1;
        const double low = std::min(y1, y2);
        const double high = std::max(y1, y2);
        const bool direct =
            shape.insideColumns && shape.run >= (dy < 0 ? -dy : dy) && low >= 0 && high < bottom;
        direct_[j] = direct ? 1 : 0;
        starts_[j] = direct ? y1 : 0.0;
        slopes_[j] = direct && shape.rising ? dy / shape.run : 0.0;
        general_[generalCount] = static_cast<std::uint32_t>(j);
        generalCount += direct ? 0 : 1;
        lowest = std::min(lowest, direct ? low : lowest);
        highest = std::max(highest, direct ? high : highest);
        left = std::min(left, direct ? shape.firstColumn : left);
        right = std::max(right, direct ? shape.lastColumn + 1 : right);
    }

    // The row of each slot as flatInside() finds it: y1 + (at - x1) * slope,
    // rounded; for a segment drawn the general way, some offset never used.
    const auto stride = static_cast<std::int32_t>(target.stride);
    for (std::size_t j = 0; j < segments; ++j) {
        const double start = starts_[j];
        const double slope = slopes_[j];
        for (std::size_t k = j * slots; k < (j + 1) * slots; ++k) {
            const auto row = static_cast<std::int32_t>(start + slotAlong_[k] * slope + 0.5);
            offsets_[k] = row * stride + slotColumn_[k];
        }
    }
    switch (thickness) {
        case 1:
            setSlots<1>(target, offsets_.data(), direct_.data(), segments, slots, colour, 1);
            break;
        case 2:
            setSlots<2>(target, offsets_.data(), direct_.data(), segments, slots, colour, 2);
            break;
        default:
            setSlots<0>(target, offsets_.data(), direct_.data(), segments, slots, colour,
                        thickness);
    }
    if (left < right) {
        drawn = {left, static_cast<int>(lowest + 0.5), right,
                 static_cast<int>(highest + 0.5) + thickness};
    }

    for (std::size_t g = 0; g < generalCount; ++g) {
        const std::size_t j = general_[g];
        drawn.unite(drawLine(target, scaledXs_[j], ys_[j], scaledXs_[j + 1], ys_[j + 1], colour,
                             thickness));
    }
    return true;
}

}  // namespace tarvel::pixels
