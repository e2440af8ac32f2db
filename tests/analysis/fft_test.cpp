#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

#include "analysis/nr_fft.h"
#include "app/vector_registers.h"
#include "tests/analysis/classic_fft.h"

namespace tarvel {
namespace {

using Points = std::vector<std::complex<double>>;

// The transform by its definition, sign +1 forward (unscaled), -1 inverse (1/N).
Points directDft(const Points& x, int sign) {
    const std::size_t n = x.size();
    Points twiddle(n);
    for (std::size_t j = 0; j < n; ++j) {
        const double angle =
            sign * 2 * std::numbers::pi * static_cast<double>(j) / static_cast<double>(n);
        twiddle[j] = {std::cos(angle), std::sin(angle)};
    }
    Points result(n);
    for (std::size_t k = 0; k < n; ++k) {
        std::complex<double> sum = 0;
        for (std::size_t m = 0; m < n; ++m) sum += x[m] * twiddle[(m * k) % n];
        result[k] = sign < 0 ? sum / static_cast<double>(n) : sum;
    }
    return result;
}

std::vector<double> interleave(const Points& points) {
    std::vector<double> data;
    for (const auto& p : points) {
        data.push_back(p.real());
        data.push_back(p.imag());
    }
    return data;
}

Points randomPoints(std::size_t n, std::mt19937& engine) {
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    Points points(n);
    for (auto& p : points) p = {value(engine), value(engine)};
    return points;
}

// Largest deviation from the reference, relative to the reference's largest point.
double relativeError(const std::vector<double>& data, const Points& reference) {
    double worst = 0;
    double scale = 0;
    for (std::size_t k = 0; k < reference.size(); ++k) {
        const std::complex<double> got{data[2 * k], data[2 * k + 1]};
        worst = std::max(worst, std::abs(got - reference[k]));
        scale = std::max(scale, std::abs(reference[k]));
    }
    return worst / scale;
}

TEST(Fft, AgreesWithTheDirectTransformForEveryPowerOfTwo) {
    std::mt19937 engine(7);
    for (int n = 2; n <= 4096; n *= 2) {
        const Points x = randomPoints(static_cast<std::size_t>(n), engine);
        std::vector<double> forward = interleave(x);
        ASSERT_TRUE(FFT(forward.data(), n, false));
        EXPECT_LT(relativeError(forward, directDft(x, +1)), 1e-12) << "forward, N = " << n;

        std::vector<double> inverse = interleave(x);
        ASSERT_TRUE(FFT(inverse.data(), n, true));
        EXPECT_LT(relativeError(inverse, directDft(x, -1)), 1e-12) << "inverse, N = " << n;
    }
}

TEST(Fft, ForwardThenInverseRestoresTheInput) {
    std::mt19937 engine(11);
    std::uniform_real_distribution<double> value(0.0, 1.0);
    std::vector<double> data(8192);
    for (double& d : data) d = value(engine);
    const std::vector<double> original = data;
    ASSERT_TRUE(FFT(data.data(), 4096, false));
    ASSERT_TRUE(FFT(data.data(), 4096, true));
    for (std::size_t e = 0; e < data.size(); ++e) {
        ASSERT_NEAR(data[e], original[e], 1e-14) << "element " << e;
    }
}

TEST(Fft, SmallTransformsHaveThePositiveExponent) {
    double pair[] = {1, 0, 2, 0};
    ASSERT_TRUE(FFT(pair, 2, false));
    EXPECT_EQ(pair[0], 3.0);
    EXPECT_EQ(pair[1], 0.0);
    EXPECT_EQ(pair[2], -1.0);
    EXPECT_EQ(pair[3], 0.0);

    std::vector<double> atZero(16, 0.0);
    atZero[0] = 1;
    ASSERT_TRUE(FFT(atZero.data(), 8, false));
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(atZero[2 * k], 1.0);
        EXPECT_EQ(atZero[2 * k + 1], 0.0);
    }

    std::vector<double> atOne(16, 0.0);
    atOne[2] = 1;
    ASSERT_TRUE(FFT(atOne.data(), 8, false));
    for (int k = 0; k < 8; ++k) {
        const double angle = 2 * std::numbers::pi * k / 8;
        EXPECT_NEAR(atOne[2 * k], std::cos(angle), 1e-15) << "k = " << k;
        EXPECT_NEAR(atOne[2 * k + 1], std::sin(angle), 1e-15) << "k = " << k;
    }
    EXPECT_NEAR(atOne[3], std::sqrt(0.5), 1e-15);
}

// Random points, a symbol train (many zeros, both signs) and products beyond the clamp.
TEST(Fft, MatchesTheClassicLoopOrderBitForBit) {
    std::mt19937 engine(5);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::uniform_real_distribution<double> exponent(-300.0, 300.0);
    for (int n = 2; n <= 8192; n *= 2) {
        const auto size = static_cast<std::size_t>(2 * n);
        std::vector<std::vector<double>> inputs(3, std::vector<double>(size, 0.0));
        for (std::size_t e = 0; e < size; ++e) {
            inputs[0][e] = value(engine);
            inputs[2][e] = std::copysign(std::pow(10.0, exponent(engine)), value(engine));
        }
        for (std::size_t e = 0; e < size; e += 128) inputs[1][e] = value(engine) < 0 ? -64 : 64;
        for (const std::vector<double>& input : inputs) {
            for (bool inverse : {false, true}) {
                // Both ways where the CPU has AVX: two butterflies to a register, and one.
                for (bool wide : {true, false}) {
                    allowWideRegisters(wide);
                    std::vector<double> ours = input;
                    std::vector<double> classic = input;
                    ASSERT_TRUE(FFT(ours.data(), n, inverse));
                    testing::classicFft(classic.data(), n, inverse);
                    ASSERT_EQ(std::memcmp(ours.data(), classic.data(), size * sizeof(double)), 0)
                        << "N = " << n << (inverse ? ", inverse" : ", forward")
                        << (wide ? ", wide" : ", narrow");
                }
                allowWideRegisters(true);
            }
        }
    }
}

TEST(Fft, RefusesLengthsThatAreNotPowersOfTwoAndTouchesNothing) {
    for (int n : {6, 1, 0, -4, 3, 12, 4095, 4097}) {
        std::vector<double> data(2 * 4097 + 1);
        for (std::size_t e = 0; e < data.size(); ++e) data[e] = 0.5 + static_cast<double>(e);
        const std::vector<double> before = data;
        EXPECT_FALSE(FFT(data.data(), n, false)) << "N = " << n;
        EXPECT_FALSE(FFT(data.data(), n, true)) << "N = " << n;
        EXPECT_EQ(std::memcmp(data.data(), before.data(), data.size() * sizeof(double)), 0)
            << "N = " << n;
    }
}

TEST(Fft, LeavesEverythingPastTheTransformAlone) {
    std::vector<double> data(8193, 0.25);
    data[8192] = -123.5;
    ASSERT_TRUE(FFT(data.data(), 4096, false));
    ASSERT_TRUE(FFT(data.data(), 4096, true));
    EXPECT_EQ(data[8192], -123.5);
}

TEST(Fft, ClampsATwiddledProductToOneE200) {
    // N = 2: the one butterfly's product is the second point itself.
    double big[] = {0, 0, 1e250, -1e300};
    ASSERT_TRUE(FFT(big, 2, false));
    EXPECT_EQ(big[0], 1e200);
    EXPECT_EQ(big[1], -1e200);
    EXPECT_EQ(big[2], -1e200);
    EXPECT_EQ(big[3], 1e200);

    double inRange[] = {1, 0, 1e199, 0};
    ASSERT_TRUE(FFT(inRange, 2, false));
    EXPECT_EQ(inRange[0], 1e199);
    EXPECT_EQ(inRange[2], -1e199);

    double notANumber[] = {0, 0, std::nan(""), 0};
    ASSERT_TRUE(FFT(notANumber, 2, false));
    EXPECT_TRUE(std::isnan(notANumber[0]));
    EXPECT_TRUE(std::isnan(notANumber[2]));
}

}  // namespace
}  // namespace tarvel
