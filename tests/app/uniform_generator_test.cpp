#include "app/uniform_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tarvel {
namespace {

std::vector<float> draw(UniformGenerator& generator, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) values.push_back(generator.next());
    return values;
}

TEST(UniformGenerator, SameStreamAfterEveryStartAndValuesInUnitInterval) {
    UniformGenerator first;
    UniformGenerator second;
    const auto a = draw(first, 10000);
    EXPECT_EQ(a, draw(second, 10000));
    for (float u : a) {
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        // 24 bits per value: u * 2^24 is a whole number.
        ASSERT_EQ(std::floor(u * 16777216.0f), u * 16777216.0f);
    }
    EXPECT_EQ(first.count(), 10000u);
}

TEST(UniformGenerator, StreamIsTheDocumentedTwister) {
    std::mt19937 reference(UniformGenerator::kSeed);
    UniformGenerator generator;
    for (int i = 0; i < 100; ++i) {
        const float expected = static_cast<float>(reference() >> 8) / 16777216.0f;
        ASSERT_EQ(generator.next(), expected);
    }
}

TEST(UniformGenerator, QueuedValuesComeFirstThenTheStreamResumes) {
    UniformGenerator plain;
    const float firstOwn = plain.next();
    const float secondOwn = plain.next();

    UniformGenerator generator;
    generator.queue(0.5f);
    generator.queue(0.0f);
    EXPECT_EQ(generator.next(), 0.5f);
    EXPECT_EQ(generator.next(), 0.0f);
    EXPECT_EQ(generator.next(), firstOwn);
    generator.queue(0.25f);
    EXPECT_EQ(generator.next(), 0.25f);
    EXPECT_EQ(generator.next(), secondOwn);
    EXPECT_EQ(generator.count(), 5u);
}

}  // namespace
}  // namespace tarvel
