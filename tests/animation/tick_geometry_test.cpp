#include "animation/tick_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/integer_conversion.h"

namespace tarvel {
namespace {

TEST(TickGeometry, ShiftCountsFortiethsOfASymbolTimeRoundedDown) {
    EXPECT_EQ(sampleShift(360, 1.0), 0);
    EXPECT_EQ(sampleShift(390, 1.0), 1);
    EXPECT_EQ(sampleShift(419, 1.0), 1);
    EXPECT_EQ(sampleShift(1560, 1.0), 40);  // one symbol time of delay
    EXPECT_EQ(sampleShift(1560, 2.0), 20);  // half as many steps for a longer symbol
    EXPECT_EQ(sampleShift(1560, 0.5), 80);
    EXPECT_EQ(sampleShift(390, 2.0), 0);
    EXPECT_EQ(sampleShift(5220, 0.5), 324);  // the largest the editor allows
    // Every whole-twip position gives the floor of the exact quotient.
    for (int left = 360; left <= 5220; ++left) {
        for (int twiceT : {1, 2, 4}) {
            ASSERT_EQ(sampleShift(static_cast<float>(left), twiceT / 2.0),
                      (left - 360) * 2 / (30 * twiceT))
                << left << " " << twiceT;
        }
    }
}

TEST(TickGeometry, AmplitudeIsTheRootOfTheRelativePowerPlusAFloor) {
    EXPECT_DOUBLE_EQ(pathAmplitude(3900), 0.00001);
    EXPECT_DOUBLE_EQ(pathAmplitude(360), 1.00001);
    EXPECT_DOUBLE_EQ(pathAmplitude(2130), std::sqrt(0.5) + 0.00001);
    EXPECT_DOUBLE_EQ(pathAmplitude(120), std::sqrt(3780.0 / 3540) + 0.00001);
}

TEST(TickGeometry, NearestEvenSendsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(toInteger16(0.0), 0);
    EXPECT_EQ(toInteger16(1.5), 2);
    EXPECT_EQ(toInteger16(2.5), 2);
    EXPECT_EQ(toInteger16(4.5), 4);
    EXPECT_EQ(toInteger16(7.5), 8);
    EXPECT_EQ(toInteger16(486.0), 486);
    EXPECT_EQ(toInteger16(2.4999), 2);
    EXPECT_EQ(toInteger16(2.5001), 3);
    EXPECT_EQ(toInteger16(-1.5), -2);
    EXPECT_EQ(toInteger16(-2.5), -2);
}

}  // namespace
}  // namespace tarvel
