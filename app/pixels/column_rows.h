#pragma once
// The arithmetic of a column plan's run: for four segments side by side,
// which are drawn from their slots (short, flat and inside), and the pixel
// each of their slots sets. Two versions give the same results to the bit:
// one for any CPU and one for 256-bit registers (AVX2), chosen at run time.

#include <cstddef>
#include <cstdint>

namespace tarvel::pixels::column_rows {

// Segments side by side in one register's worth of doubles.
constexpr std::size_t kLanes = 4;

struct Run {
    // Per segment, in groups of kLanes: y at either end is ys[j], ys[j + 1];
    // the width x2 - x1 where the segment may be drawn from its slots, else
    // -1 so that it never is; the first and one-past-last column it sets.
    const double* ys;
    const double* widths;
    const double* firstColumns;
    const double* endColumns;
    // Per slot, lane by lane within a group: how far along x from the
    // segment's start the column samples the line, and the column.
    const double* slotAlong;
    const std::int32_t* slotColumns;
    std::size_t segments;
    std::size_t groups;
    std::size_t slotsPerSegment;
    double bottom;  // the lowest row a segment may reach, exclusive
    // drawLine() turns a segment away unsought when its heights do not
    // reach into [reachTop, reachBottom): height - 0.5 and 0.5 - thickness.
    double reachTop, reachBottom;
    std::int32_t stride;
};

struct Rows {
    std::int32_t* offsets;   // per slot: its pixel, from the target's first
    std::uint8_t* drawable;  // per group: bit l set when lane l is drawn from its slots
    std::uint32_t* general;  // the segments left for drawLine(), in order
};

// The extent of the segments drawn from their slots (lowest > highest when
// there are none), and how many segments were left for drawLine().
struct Extent {
    double lowest, highest;  // y
    double left, right;      // columns, right exclusive
    std::size_t general;
};

// Both take their arguments by value: a store through a vector pointer may
// alias anything, so pointers read through a reference would be read again
// after every store.
Extent rowsOfRun(Run run, Rows rows);
// The same with 256-bit registers; call only when avx2InUse().
Extent rowsOfRunWide(Run run, Rows rows);

}  // namespace tarvel::pixels::column_rows
