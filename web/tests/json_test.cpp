// The page's JSON: each number written as the exact decimal of its double, read back the same.
#include "web/json.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace pirandella;

TEST(Json, ANumberIsItsDoublesExactDecimal) {
    EXPECT_EQ(JsonNumber(0), "0");
    EXPECT_EQ(JsonNumber(-0.0), "-0");
    EXPECT_EQ(JsonNumber(6), "6");
    EXPECT_EQ(JsonNumber(-2.25), "-2.25");
    EXPECT_EQ(JsonNumber(1.75), "1.75");
    EXPECT_EQ(JsonNumber(4294967295.0), "4294967295");
    EXPECT_EQ(JsonNumber(0x1p70), "1180591620717411303424");
    EXPECT_EQ(JsonNumber(0x1p-10), "0.0009765625");
    // 0.1 is 3602879701896397 / 2^55.
    EXPECT_EQ(JsonNumber(0.1), "0.1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonNumber(std::nan("")), "null");
}

TEST(Json, EveryNumberReadsBackAsTheSameDouble) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-60, 60);
    for (int i = 0; i < 20000; ++i) {
        const double x = std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random),
                                    static_cast<int>(exponent(random)));
        const std::string text = JsonNumber(x);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), x) << text;
    }
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(std::strtod(JsonNumber(smallest).c_str(), nullptr), smallest);
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(std::strtod(JsonNumber(largest).c_str(), nullptr), largest);
}

TEST(Json, ControlCharactersAreEscaped) {
    EXPECT_EQ(JsonString("a\"b\\c\n\x1f"), "\"a\\\"b\\\\c\\u000a\\u001f\"");
}
