#pragma once
// The traces of an eye diagram are runs of points that share their x
// positions: only the heights differ from one trace to the next. Which
// pixel columns each segment sets, and where along the segment each column
// samples the line, therefore stays the same, and a plan works it out once.
// A run is then drawn with the same number of column slots for every
// segment, four segments side by side, so no loop exit depends on the data
// (segment by segment, a loop exit or two mispredicts on every short
// segment), and the rows are worked out in one pass and set in another. The
// pixels are exactly those of drawPolyline(): the same operations on the
// same values.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/pixels/line_rasteriser.h"

namespace tarvel::pixels {

class ColumnPlan {
  public:
    // Room for runs of up to `maxPoints` points over a target `width` pixels
    // wide; allocates, so it belongs with binding a target, not drawing.
    void reserve(std::size_t maxPoints, int width);

    // Forgets the runs planned for, as when the target or scale changes.
    void invalidate() { points_ = 0; }

    // Draws the run as drawPolyline() would, planning first unless the plan
    // already fits these x positions at this scale. Returns false, having
    // drawn nothing, for a run the plan has no room for.
    bool draw(const PixelTarget& target, const float* xy, std::size_t points, double scale,
              std::uint32_t colour, int thickness, PixelRect& drawn);

  private:
    bool fits(const float* xy, std::size_t points, double scale, int width) const;
    bool plan(const float* xy, std::size_t points, double scale, int width);
    std::size_t planColumns(std::size_t segments, double right);
    void planSlots(std::size_t segments, std::size_t lanes, std::size_t slots);

    std::size_t points_ = 0;  // 0: nothing planned
    std::size_t groups_ = 0;  // of four segments, the last one padded
    double scale_ = 0;
    int width_ = 0;
    std::vector<float> xs_;  // the x positions planned for, unscaled
    std::vector<double> scaledXs_;
    // Per segment, padded to whole groups: x2 - x1 where the segment lies
    // left to right on the target's columns, else -1; the columns it sets.
    std::vector<double> widths_;
    std::vector<double> firstColumns_;
    std::vector<double> endColumns_;
    // Every segment has the same number of slots, one per column it sets,
    // lane by lane within its group: how far along x from its start the
    // column samples the line (held at the end points), and the column.
    std::size_t slotsPerSegment_ = 0;
    std::vector<double> slotAlong_;
    std::vector<std::int32_t> slotColumns_;

    // For the run being drawn.
    std::vector<double> ys_;
    std::vector<std::int32_t> offsets_;   // each slot's pixel, from the target's first
    std::vector<std::uint8_t> drawable_;  // per group: which lanes are drawn from slots
    std::vector<std::uint32_t> general_;  // segments drawn the general way
};

}  // namespace tarvel::pixels
