#include "app/pixels/column_plan.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "app/pixels/column_rows.h"
#include "app/vector_registers.h"

namespace tarvel::pixels {
namespace {
using column_rows::kLanes;

// A segment wider than this many columns is no eye-diagram step: such runs
// are drawn segment by segment.
constexpr std::size_t kMaxSlotsPerSegment = 24;

// A float's bits (the web build's library has no std::bit_cast).
std::uint32_t bitsOf(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::size_t groupsOf(std::size_t segments) {
    return (segments + kLanes - 1) / kLanes;
}
}  // namespace

// Reserved, not filled: the memory is touched only as far as runs need it.
void ColumnPlan::reserve(std::size_t maxPoints, int width) {
    const std::size_t lanes = groupsOf(maxPoints) * kLanes;
    const std::size_t slots = 2 * static_cast<std::size_t>(std::max(width, 0)) + 8 * lanes;
    const auto room = [](auto& buffer, std::size_t size) {
        buffer.clear();
        buffer.reserve(size);
    };
    room(xs_, maxPoints);
    room(scaledXs_, maxPoints);
    room(widths_, lanes);
    room(firstColumns_, lanes);
    room(endColumns_, lanes);
    room(ys_, lanes + 1);
    room(drawable_, lanes / kLanes);
    room(general_, lanes);
    room(slotAlong_, slots);
    room(slotColumns_, slots);
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
    const std::size_t segments = points - 1;
    const std::size_t groups = groupsOf(segments);
    const std::size_t lanes = groups * kLanes;
    // Within the room reserved, so nothing is allocated here. Padding lanes
    // are never drawn from slots.
    xs_.resize(points);
    scaledXs_.resize(points);
    widths_.assign(lanes, -1.0);
    firstColumns_.assign(lanes, 0.0);
    endColumns_.assign(lanes, 0.0);
    ys_.assign(lanes + 1, 0.0);
    drawable_.resize(groups);
    general_.resize(lanes);
    for (std::size_t k = 0; k < points; ++k) {
        xs_[k] = xy[2 * k];
        scaledXs_[k] = static_cast<double>(xy[2 * k]) * scale;
    }
    const std::size_t slots = planColumns(segments, width - 0.5);
    if (slots > kMaxSlotsPerSegment || lanes * slots > slotAlong_.capacity()) return false;
    planSlots(segments, lanes, slots);
    slotsPerSegment_ = slots;
    groups_ = groups;
    points_ = points;
    scale_ = scale;
    width_ = width;
    return true;
}

// Each segment's width and columns; the most columns any one sets.
std::size_t ColumnPlan::planColumns(std::size_t segments, double right) {
    std::size_t slots = 1;
    for (std::size_t j = 0; j < segments; ++j) {
        const double x1 = scaledXs_[j];
        const double x2 = scaledXs_[j + 1];
        const double run = x2 - x1;
        if (!(x1 >= 0 && x2 < right && run >= 0)) continue;
        widths_[j] = run;
        const int first = static_cast<int>(x1 + 0.5);  // x1 >= 0: truncation is floor
        const int last = static_cast<int>(x2 + 0.5);
        firstColumns_[j] = first;
        endColumns_[j] = last + 1;
        slots = std::max(slots, static_cast<std::size_t>(last - first + 1));
    }
    return slots;
}

void ColumnPlan::planSlots(std::size_t segments, std::size_t lanes, std::size_t slots) {
    slotAlong_.assign(lanes * slots, 0.0);
    slotColumns_.assign(lanes * slots, 0);
    offsets_.resize(lanes * slots);
    for (std::size_t j = 0; j < segments; ++j) {
        if (widths_[j] < 0) continue;
        const double x1 = scaledXs_[j];
        const double x2 = scaledXs_[j + 1];
        const int first = static_cast<int>(firstColumns_[j]);
        const int last = static_cast<int>(endColumns_[j]) - 1;
        std::size_t slot = 0;
        const auto put = [&](double along, int column) {
            const std::size_t index = ((j / kLanes) * slots + slot) * kLanes + j % kLanes;
            slotAlong_[index] = along;
            slotColumns_[index] = column;
            ++slot;
        };
        const double firstAt = static_cast<double>(first);
        double along = 0;
        if (first == last) {
            along = std::min(std::max(firstAt, x1), x2) - x1;
            put(along, first);
        } else {
            put((firstAt > x1 ? firstAt : x1) - x1, first);
            for (int c = first + 1; c < last; ++c) put(static_cast<double>(c) - x1, c);
            const double lastAt = static_cast<double>(last);
            along = (lastAt < x2 ? lastAt : x2) - x1;
            put(along, last);
        }
        // The slots to spare repeat the last column: it is set twice, alike.
        while (slot < slots) put(along, last);
    }
}

namespace {

// Sets `thickness` pixels down from the slots' pixels of each lane drawn
// from its slots, in a pass of its own over offsets already worked out: a
// store whose address waits on the arithmetic would hold back the loads
// behind it.
template <int kThickness>
void setSlots(const PixelTarget& target, const std::int32_t* offsets, const std::uint8_t* drawable,
              std::size_t groups, std::size_t slots, std::uint32_t colour, int thickness) {
    const int across = kThickness > 0 ? kThickness : thickness;
    std::uint32_t* const pixels = target.pixels;
    const std::ptrdiff_t stride = target.stride;
    const auto set = [&](std::int32_t offset) {
        std::uint32_t* pixel = pixels + offset;
        for (int t = 0; t < across; ++t) pixel[t * stride] = colour;
    };
    constexpr unsigned kAllLanes = (1u << kLanes) - 1;
    for (std::size_t g = 0; g < groups; ++g) {
        const unsigned lanes = drawable[g];
        const std::int32_t* groupOffsets = offsets + g * slots * kLanes;
        if (lanes == kAllLanes) {
            // A slot's four offsets are read before any of its pixels is set,
            // so that no read waits on the stores before it.
            for (std::size_t k = 0; k < slots * kLanes; k += kLanes) {
                const std::int32_t a = groupOffsets[k], b = groupOffsets[k + 1];
                const std::int32_t c = groupOffsets[k + 2], d = groupOffsets[k + 3];
                set(a);
                set(b);
                set(c);
                set(d);
            }
        } else if (lanes != 0) {
            for (std::size_t k = 0; k < slots * kLanes; ++k) {
                if (lanes & (1u << (k % kLanes))) set(groupOffsets[k]);
            }
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
    for (std::size_t k = 0; k < points; ++k) ys_[k] = static_cast<double>(xy[2 * k + 1]) * scale;

    const column_rows::Run run{ys_.data(),
                               widths_.data(),
                               firstColumns_.data(),
                               endColumns_.data(),
                               slotAlong_.data(),
                               slotColumns_.data(),
                               segments,
                               groups_,
                               slots,
                               static_cast<double>(target.height - thickness),
                               0.5 - thickness,
                               target.height - 0.5,
                               static_cast<std::int32_t>(target.stride)};
    const column_rows::Rows rows{offsets_.data(), drawable_.data(), general_.data()};
    const column_rows::Extent extent =
        avx2InUse() ? column_rows::rowsOfRunWide(run, rows) : column_rows::rowsOfRun(run, rows);

    switch (thickness) {
        case 1:
            setSlots<1>(target, offsets_.data(), drawable_.data(), groups_, slots, colour, 1);
            break;
        case 2:
            setSlots<2>(target, offsets_.data(), drawable_.data(), groups_, slots, colour, 2);
            break;
        default:
            setSlots<0>(target, offsets_.data(), drawable_.data(), groups_, slots, colour,
                        thickness);
    }
    if (extent.left < extent.right) {
        drawn = {static_cast<int>(extent.left), static_cast<int>(extent.lowest + 0.5),
                 static_cast<int>(extent.right),
                 static_cast<int>(extent.highest + 0.5) + thickness};
    }

    // The rest go the general way, clipped.
    for (std::size_t g = 0; g < extent.general; ++g) {
        const std::size_t j = general_[g];
        drawn.unite(drawLine(target, scaledXs_[j], ys_[j], scaledXs_[j + 1], ys_[j + 1], colour,
                             thickness));
    }
    return true;
}

}  // namespace tarvel::pixels
