// A run of points handed to a surface: by default it reaches line() as its
// segments in order, a picture box counts each segment, and the eye diagram
// hands over each trace as one run of 387 points.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "display/plot_eye.h"
#include "support/recording_surface.h"

namespace tarvel {
namespace {

using testing::RecordingSurface;
using testing::RunRecorder;
using testing::Segment;

TEST(SurfacePolyline, ByDefaultDrawsEachSegmentBetweenNeighboursInOrder) {
    RecordingSurface surface;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::array<float, 8> xy{1, 2, -3, 4, 5e9f, nan, 7, 8};
    surface.polyline(xy);
    ASSERT_EQ(surface.segments.size(), 3u);
    EXPECT_EQ(surface.segments[0].x1, 1);
    EXPECT_EQ(surface.segments[0].y2, 4);
    EXPECT_EQ(surface.segments[1].x1, -3);
    EXPECT_EQ(surface.segments[1].x2, 5e9f);
    EXPECT_TRUE(std::isnan(surface.segments[1].y2));
    EXPECT_TRUE(std::isnan(surface.segments[2].y1));
    EXPECT_EQ(surface.segments[2].x2, 7);
    EXPECT_EQ(surface.segments[2].y2, 8);

    // One point, or none, is no segment; a stray odd value is ignored.
    surface.segments.clear();
    surface.polyline(std::span<const float>(xy.data(), 2));
    surface.polyline({});
    EXPECT_TRUE(surface.segments.empty());
    surface.polyline(std::span<const float>(xy.data(), 5));
    EXPECT_EQ(surface.segments.size(), 1u);
}

TEST(SurfacePolyline, PictureBoxCountsSegmentsWithOrWithoutASurface) {
    PictureBox box;
    const std::array<float, 10> xy{0, 0, 1, 1, 2, 0, 3, 1, 4, 0};
    box.polyline(xy);
    EXPECT_EQ(box.linesSinceClear, 4u);
    box.polyline(std::span<const float>(xy.data(), 2));
    EXPECT_EQ(box.linesSinceClear, 4u);

    RecordingSurface surface;
    box.attach(&surface);
    box.polyline(xy);
    box.line(9, 9, 8, 8);
    EXPECT_EQ(box.linesSinceClear, 9u);
    EXPECT_EQ(surface.segments.size(), 5u);
    box.clear();
    EXPECT_EQ(box.linesSinceClear, 0u);
}

// Each trace is one run of 387 points on the same x positions, starting 64
// samples after the one before: the same segments, one call per trace.
TEST(SurfacePolyline, EyeDiagramHandsOverEachTraceAsOneRun) {
    auto data = std::make_unique<ComplexVector>();
    for (std::size_t k = 0; k < data->size(); ++k)
        (*data)[k] = std::cos(0.01 * static_cast<double>(k));
    PictureBox box;
    box.width = 7095;
    box.height = 1995;
    RunRecorder runs;
    box.attach(&runs);

    PlotEye(1.0, *data, box, 1.5, 5);

    ASSERT_EQ(runs.runs.size(), 31u);
    EXPECT_EQ(box.linesSinceClear, static_cast<std::uint64_t>(testing::kSegmentsPerEye));
    const double height = box.innerHeight();
    for (std::size_t i = 0; i < runs.runs.size(); ++i) {
        const std::vector<float>& run = runs.runs[i];
        ASSERT_EQ(run.size(), 2u * 387u);
        for (std::size_t j = 0; j < 387; ++j) {
            EXPECT_EQ(run[2 * j], runs.runs[0][2 * j]);
            const auto n = static_cast<std::size_t>(64 * (17 + static_cast<int>(i)) - 5) + j;
            const double expected = height / 2 - (*data)[2 * n] * 0.35 * height / 1.5;
            ASSERT_NEAR(run[2 * j + 1], expected, 1e-3) << "trace " << i << " point " << j;
        }
    }
}

}  // namespace
}  // namespace tarvel
