#include "engine/random_source.h"

#include <cmath>
#include <gtest/gtest.h>

using pirandella::RandomSource;

TEST(RandomSource, TheLargestValueBelowOneStillMapsToM) {
    const float justBelowOne = std::nextafter(1.0f, 0.0f);
    for (int m = 1; m <= 100; ++m) {
        EXPECT_EQ(RandomSource::mapDraw(justBelowOne, m), m) << m;
        EXPECT_EQ(RandomSource::mapDraw(0.0f, m), 1) << m;
    }
    EXPECT_LT(RandomSource::unitFromBits(0xffffffffu), 1.0f);
    EXPECT_EQ(RandomSource::unitFromBits(0), 0.0f);
}

TEST(RandomSource, DrawsAreReproducibleAndUniform) {
    RandomSource a, b;
    a.seed(42);
    b.seed(42);
    int counts[5] = {};
    for (int i = 0; i < 40000; ++i) {
        const float r = a.next();
        ASSERT_EQ(r, b.next());
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++counts[RandomSource::mapDraw(r, 4)];
    }
    for (int d = 1; d <= 4; ++d) EXPECT_NEAR(counts[d], 10000, 400) << d;
    b.seed(43);
    EXPECT_NE(a.next(), b.next());
}

TEST(RandomSource, ScriptedValuesComeFirstInOrder) {
    RandomSource r;
    r.seed(1);
    r.script({0.5f, 0.25f});
    EXPECT_TRUE(r.scripted());
    EXPECT_EQ(r.next(), 0.5f);
    EXPECT_EQ(r.draw(4), 2);
    EXPECT_FALSE(r.scripted());
    RandomSource fresh;
    fresh.seed(1);
    EXPECT_EQ(r.next(), fresh.next()); // then the generator goes on from its seed
}
