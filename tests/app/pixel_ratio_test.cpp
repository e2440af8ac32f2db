#include "app/pixel_ratio.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvel {
namespace {

TEST(PixelRatio, AViewsRatioIsKeptWithinWhatTheBuffersHold) {
    EXPECT_EQ(usablePixelRatio(1.5), 1.5);
    EXPECT_EQ(usablePixelRatio(0.1), 0.25);
    EXPECT_EQ(usablePixelRatio(0.25), 0.25);
    EXPECT_EQ(usablePixelRatio(9), 4.0);
    EXPECT_EQ(usablePixelRatio(std::numeric_limits<double>::quiet_NaN()), 1.0);
    EXPECT_EQ(usablePixelRatio(std::numeric_limits<double>::infinity()), 1.0);
}

}  // namespace
}  // namespace tarvel
