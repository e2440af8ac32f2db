#pragma once
// The traces of an eye diagram are runs of points that share their x
// positions: only the heights differ from one trace to the next. Which
// pixel columns each segment sets, and where along the segment each column
// samples the line, therefore stays the same, and a plan works it out once.
// A run is then drawn with the same number of column slots for every
// segment, so no loop exit depends on the data (segment by segment, a loop
// exit or two mispredicts on every short segment), and the rows are worked
// out in one pass and set in another. The pixels are exactly those of
// drawPolyline(): the same operations on the same values.

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

    // What a segment keeps from one run to the next.
    struct SegmentShape {
        double run;          // x2 - x1
        bool rising;         // x2 > x1: the slope is rise / run, else 0
        bool insideColumns;  // x1 and x2 both on the target (and x1 <= x2)
        std::int32_t firstColumn, lastColumn;
    };

    std::size_t points_ = 0;  // 0: nothing planned
    double scale_ = 0;
    int width_ = 0;
    std::vector<float> xs_;  // the x positions planned for, unscaled
    std::vector<double> scaledXs_;
    std::vector<SegmentShape> shapes_;
    // Every segment has the same number of slots, one per column it sets:
    // how far along x from its start the column samples the line (held at
    // the end points), and the column. A fixed count keeps the loops over
    // them free of data-dependent exits.
    std::size_t slotsPerSegment_ = 0;
    std::vector<double> slotAlong_;
    std::vector<std::int32_t> slotColumn_;

    // For the run being drawn.
    std::vector<double> ys_;
    std::vector<double> starts_;  // y1 of each segment drawn from its slots, else 0
    std::vector<double> slopes_;
    std::vector<std::uint8_t> direct_;    // short, flat and inside: drawn from its slots
    std::vector<std::int32_t> offsets_;   // each slot's pixel, from the target's first
    std::vector<std::uint32_t> general_;  // segments that go the general way
};

}  // namespace tarvel::pixels
