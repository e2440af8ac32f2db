// The portable conversions (what the web build runs) against the standard
// library's, on the same inputs: the same text, the same value, the same
// error code and end pointer. Only where the standard ones exist.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "app/portable_number_text.h"

#if defined(__cpp_lib_to_chars)

namespace tarvel {
namespace {

template <typename Number>
std::string standardShortest(Number value) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

template <typename Number>
std::string portableShortest(Number value) {
    char text[64];
    return std::string(text, portable::writeShortest(text, text + sizeof text, value).ptr);
}

template <typename Number>
std::uint64_t bitsOf(Number value) {
    if (std::isnan(value)) return std::signbit(value) ? 1 : 0;  // any payload
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

// Both readers on `text`, starting from the same sentinel value.
template <typename Number>
void expectSameReading(const std::string& text) {
    Number standard = Number{7};
    Number portable = Number{7};
    const char* end = text.data() + text.size();
    const auto s = std::from_chars(text.data(), end, standard);
    const auto p = portable::readNumber(text.data(), end, portable);
    EXPECT_EQ(p.ec, s.ec) << text;
    EXPECT_EQ(p.ptr - text.data(), s.ptr - text.data()) << text;
    EXPECT_EQ(bitsOf(portable), bitsOf(standard)) << text;
}

template <typename Number>
void expectSameShortestAndBack(Number value) {
    const std::string text = standardShortest(value);
    EXPECT_EQ(portableShortest(value), text) << "bits " << bitsOf(value);
    expectSameReading<Number>(text);
}

template <typename Number, typename Bits>
std::vector<Number> testValues(std::mt19937_64& random) {
    constexpr auto limits = std::numeric_limits<Number>();
    const auto n = [](double value) { return static_cast<Number>(value); };
    std::vector<Number> values = {n(0),
                                  n(-0.0),
                                  n(1),
                                  n(-1),
                                  n(0.1),
                                  n(1e21),
                                  n(1e22),
                                  n(1e-7),
                                  n(1e-5),
                                  n(1e5),
                                  n(1e15),
                                  n(1e16),
                                  n(123456),
                                  limits.min(),
                                  limits.denorm_min(),
                                  limits.max(),
                                  limits.lowest(),
                                  limits.epsilon(),
                                  limits.infinity(),
                                  -limits.infinity(),
                                  limits.quiet_NaN()};
    for (int power = limits.min_exponent - limits.digits; power <= limits.max_exponent; ++power) {
        values.push_back(std::ldexp(Number{1}, power - 1));  // every power of two
    }
    for (int power = -30; power <= 30; ++power) {
        values.push_back(static_cast<Number>(std::pow(10.0, power)));
    }
    // Quarters, which are written without the general search, up to where
    // it takes over again.
    for (int quarters = -4000; quarters <= 4000; ++quarters) values.push_back(n(quarters / 4.0));
    for (const double edge : {1048575.75, 1048576.25, 1048576.5, 524287.75, 0.25, 1e-300}) {
        values.push_back(n(edge));
        values.push_back(n(-edge));
    }
    for (int i = 0; i < 20000; ++i) {
        const auto bits = static_cast<Bits>(random());
        Number value;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);  // every magnitude, denormals and NaN among them
        values.push_back(static_cast<Number>(std::uniform_real_distribution<>(-1e6, 1e6)(random)));
    }
    return values;
}

TEST(PortableNumberText, WritesAndReadsDoublesAsTheStandardLibraryDoes) {
    std::mt19937_64 random(20240611);
    for (double value : testValues<double, std::uint64_t>(random)) {
        expectSameShortestAndBack(value);
        char standard[64];
        char portable[64];
        const auto s =
            std::to_chars(standard, standard + 64, value, std::chars_format::general, 15);
        const auto p = portable::writeSignificant(portable, portable + 64, value, 15);
        EXPECT_EQ(std::string(portable, p.ptr), std::string(standard, s.ptr));
    }
}

TEST(PortableNumberText, WritesAndReadsFloatsAsTheStandardLibraryDoes) {
    std::mt19937_64 random(7);
    for (float value : testValues<float, std::uint32_t>(random)) expectSameShortestAndBack(value);
}

TEST(PortableNumberText, ReadsOddTextsAsTheStandardLibraryDoes) {
    const std::string longDigits(900, '3');
    const char* texts[] = {"",
                           "-",
                           ".",
                           "-.",
                           "5.",
                           ".5",
                           "+1",
                           " 1",
                           "0x10",
                           "1e",
                           "1e+",
                           "1e-",
                           "1E5x",
                           "1e400",
                           "1e-400",
                           "2e-324",
                           "3e-324",
                           "1e39",
                           "1e-46",
                           "0e999999",
                           "-0",
                           "inf",
                           "-Infinity",
                           "infinit",
                           "nan",
                           "NaN(ab_1)",
                           "nan(",
                           "nan()x",
                           "00012.5",
                           "0.000",
                           "1.5e-0045",
                           "99999999999999999999999999999e-10",
                           "2.4703282292062328e-324",
                           "2.4703282292062327e-324",
                           "3.4028235677973366e38",
                           "1e99999999999999999999"};
    for (const char* text : texts) {
        expectSameReading<double>(text);
        expectSameReading<float>(text);
    }
    // Beyond the digits kept, a single nonzero digit still decides the rounding.
    for (const std::string& text :
         {"9007199254740993" + std::string(800, '0') + "1e-801",
          "1.00000000000000011102230246251565404236316680908203125" + std::string(800, '0') + "1",
          "0." + longDigits, longDigits + "e-1200"}) {
        expectSameReading<double>(text);
        expectSameReading<float>(text);
    }
}

TEST(PortableNumberText, RefusesABufferTooShortAsTheStandardLibraryDoes) {
    char text[4];
    EXPECT_EQ(portable::writeShortest(text, text + 4, 0.125).ec, std::errc::value_too_large);
    EXPECT_EQ(std::to_chars(text, text + 4, 0.125).ec, std::errc::value_too_large);
}

}  // namespace
}  // namespace tarvel

#endif
