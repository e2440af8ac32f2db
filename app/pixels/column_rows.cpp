#include "app/pixels/column_rows.h"

#include <algorithm>
#include <limits>

namespace tarvel::pixels::column_rows {

// The tests of drawPolyline() for its inline path, segment by segment: the
// segment lies inside the columns, is no steeper than one row per column,
// and stays between the top row and `bottom`. Its slots then sample
// y1 + along * slope, rounded, as flatInside() does. The others are left for
// drawLine(), but for those it would turn away for their heights alone.
Extent rowsOfRun(Run run, Rows rows) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    Extent extent{kInfinity, -kInfinity, kInfinity, -kInfinity, 0};
    const std::size_t slots = run.slotsPerSegment;
    for (std::size_t g = 0; g < run.groups; ++g) {
        double starts[kLanes];
        double slopes[kLanes];
        unsigned drawable = 0;
        for (std::size_t l = 0; l < kLanes; ++l) {
            const std::size_t j = g * kLanes + l;
            const double y1 = run.ys[j];
            const double y2 = run.ys[j + 1];
            const double dy = y2 - y1;
            const double width = run.widths[j];
            const double low = std::min(y1, y2);
            const double high = std::max(y1, y2);
            const bool direct = width >= (dy < 0 ? -dy : dy) && low >= 0 && high < run.bottom;
            starts[l] = direct ? y1 : 0.0;
            slopes[l] = direct && width > 0 ? dy / width : 0.0;
            if (!direct) {
                if (j < run.segments && high >= run.reachTop && low < run.reachBottom) {
                    rows.general[extent.general++] = static_cast<std::uint32_t>(j);
                }
                continue;
            }
            drawable |= 1u << l;
            extent.lowest = std::min(extent.lowest, low);
            extent.highest = std::max(extent.highest, high);
            extent.left = std::min(extent.left, run.firstColumns[j]);
            extent.right = std::max(extent.right, run.endColumns[j]);
        }
        rows.drawable[g] = static_cast<std::uint8_t>(drawable);
        for (std::size_t t = 0; t < slots; ++t) {
            const std::size_t at = (g * slots + t) * kLanes;
            for (std::size_t l = 0; l < kLanes; ++l) {
                const auto row =
                    static_cast<std::int32_t>(starts[l] + run.slotAlong[at + l] * slopes[l] + 0.5);
                rows.offsets[at + l] = row * run.stride + run.slotColumns[at + l];
            }
        }
    }
    return extent;
}

}  // namespace tarvel::pixels::column_rows
