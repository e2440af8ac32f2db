#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "app/integer_conversion.h"
#include "paths/tag_text.h"

namespace tarvel {
namespace {

TEST(TagNumericValue, ReadsTheNumberAtTheStartOfTheText) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},
        {"37", 37},
        {"  37", 37},
        {"\t\n37", 37},
        {"+37", 37},
        {"-37", -37},
        {"37abc", 37},
        {"37.0", 37},
        {"3.7E1", 37},
        {"3.7e+1", 37},
        {"370D-1", 37},
        {"370d-1", 37},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"0", 0},
        {"abc", 0},
        {"x37", 0},
        {".", 0},
        {"-", 0},
        {"+", 0},
        {"-.", 0},
        {"3 7", 3},
        {"37 ", 37},
        {"1.5707963", 1.5707963},
        {"0037", 37},
        {"--37", 0},
        {"3.74507522583008E-07", 3.74507522583008e-07},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(tagNumericValue(c.text), c.value) << c.text;
}

TEST(TagNumericValue, NumbersBeyondDoubleRangeOverflowOrUnderflowWithoutFailing) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(tagNumericValue("1E999"), inf);
    EXPECT_EQ(tagNumericValue("-1E999"), -inf);
    EXPECT_EQ(tagNumericValue("1E-999"), 0.0);
    EXPECT_EQ(tagNumericValue("0.0001E-320"), 0.0);
    EXPECT_EQ(tagNumericValue("1E99999999999999999999"), inf);
    EXPECT_EQ(tagNumericValue(std::string(400, '9')), inf);
    EXPECT_EQ(tagNumericValue("0." + std::string(400, '0') + "1"), 0.0);
}

// Basic's CStr of a Double writes what printf's "%.15G" writes (the tests run
// in the "C" locale, so the reference uses a point).
std::string printfReference(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

TEST(PhaseTagText, FifteenSignificantDigitsAsBasicWritesThem) {
    EXPECT_EQ(phaseTagText(3.1415926), "3.1415926");
    EXPECT_EQ(phaseTagText(-3.1415926), "-3.1415926");
    EXPECT_EQ(phaseTagText(1.5 * 3.1415926), "4.7123889");
    EXPECT_EQ(phaseTagText(0.0), "0");
    EXPECT_EQ(phaseTagText(-0.0), "0");
    EXPECT_EQ(phaseTagText(std::ldexp(1.0, -23) * 3.1415926), "3.74507021903992E-07");
    const double values[] = {
        1.0 / 3, -2.0 / 3, 9.42477779999,       1e-5, -1.2345678901234567e-9, 123456.0, 1e15,
        1e16,    0.1,      2.0 / 3 * 3.1415926, 1e-4, 9.99999999999999e-5};
    for (double v : values) EXPECT_EQ(phaseTagText(v), printfReference(v)) << v;
}

TEST(PhaseTagText, EveryDrawnPhaseReadsBackAndNeverAsTheSelectionMark) {
    // Every phase a drop or "Random" can write, on a grid of draws.
    for (int k = 0; k < (1 << 12); ++k) {
        const double r = k / 4096.0;
        for (double phase : {(2 * r - 1) * 3.1415926, (2 * r + 1) * 3.1415926}) {
            const double back = tagNumericValue(phaseTagText(phase));
            EXPECT_NEAR(back, phase, 1e-14 * std::max(1.0, std::fabs(phase)));
            EXPECT_NE(back, 37.0);
        }
    }
}

TEST(ToInteger16, NearestWithTiesToEven) {
    EXPECT_EQ(toInteger16(0.5), 0);
    EXPECT_EQ(toInteger16(1.5), 2);
    EXPECT_EQ(toInteger16(2.5), 2);
    EXPECT_EQ(toInteger16(-0.5), 0);
    EXPECT_EQ(toInteger16(-1.5), -2);
    EXPECT_EQ(toInteger16(-2.5), -2);
    EXPECT_EQ(toInteger16(1312.5), 1312);
    EXPECT_EQ(toInteger16(1313.5), 1314);
    EXPECT_EQ(toInteger16(2.4999), 2);
    EXPECT_EQ(toInteger16(2.5001), 3);
    EXPECT_EQ(toInteger16(-2.5001), -3);
}

TEST(ToInteger16, SaturatesBeyondTheSixteenBitRange) {
    EXPECT_EQ(toInteger16(32767.0), 32767);
    EXPECT_EQ(toInteger16(32767.4), 32767);
    EXPECT_EQ(toInteger16(32767.5), 32767);
    EXPECT_EQ(toInteger16(1e9), 32767);
    EXPECT_EQ(toInteger16(-32768.0), -32768);
    EXPECT_EQ(toInteger16(-32768.5), -32768);
    EXPECT_EQ(toInteger16(-1e30), -32768);
    EXPECT_EQ(toInteger16(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(toInteger16(-std::numeric_limits<double>::infinity()), -32768);
    EXPECT_EQ(toInteger16(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace tarvel
