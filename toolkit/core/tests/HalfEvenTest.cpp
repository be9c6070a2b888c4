// SPDX-License-Identifier: GPL-3.0-or-later
// Half-even rounding in both precisions and the 16-bit conversions built on it.
#include "toolkit/core/HalfEven.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(HalfEven, TiesGoToTheEvenNeighbour) {
    struct Case {
        double in, out;
    };
    for (const auto& c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{-0.5, -0}, Case{-1.5, -2},
                          Case{-2.5, -2}, Case{2.4999, 2}, Case{2.5001, 3}, Case{-2.5001, -3}, Case{7, 7},
                          Case{4503599627370495.5, 4503599627370496.0}})
        EXPECT_EQ(tk::roundHalfEven(c.in), c.out) << c.in;
}

TEST(HalfEven, SinglePrecisionRoundsTheFloatValue) {
    // 0.5f * 99 + 101 is exactly 150.5f: the tie goes to 150.
    const float r = 0.5f;
    EXPECT_EQ(tk::roundHalfEven(r * 99.0f + 101.0f), 150.0f);
    EXPECT_EQ(tk::roundHalfEven(0.0f * 99.0f + 101.0f), 101.0f);
    EXPECT_EQ(tk::roundHalfEven(199.5f), 200.0f);
    EXPECT_EQ(tk::roundHalfEven(100.5f), 100.0f);
}

TEST(HalfEven, NonFiniteValuesPassThrough) {
    EXPECT_TRUE(std::isnan(tk::roundHalfEven(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(tk::roundHalfEven(std::numeric_limits<double>::infinity()),
              std::numeric_limits<double>::infinity());
}

TEST(HalfEven, Int16ConversionRefusesWhatDoesNotFit) {
    EXPECT_EQ(tk::toInt16(32767.4), 32767);
    EXPECT_EQ(tk::toInt16(32767.5), std::nullopt); // rounds to 32768
    EXPECT_EQ(tk::toInt16(-32768.5), -32768);      // tie to even stays in range
    EXPECT_EQ(tk::toInt16(-32769.0), std::nullopt);
    EXPECT_EQ(tk::toInt16(1e300), std::nullopt);
    EXPECT_EQ(tk::toInt16(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(tk::toInt16(0.5), 0);
    EXPECT_EQ(tk::toInt16(1.5), 2);
}

TEST(HalfEven, Int16ClampHoldsTheEnds) {
    EXPECT_EQ(tk::clampToInt16(40000), 32767);
    EXPECT_EQ(tk::clampToInt16(-1e9), -32768);
    EXPECT_EQ(tk::clampToInt16(-std::numeric_limits<double>::infinity()), -32768);
    EXPECT_EQ(tk::clampToInt16(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(tk::clampToInt16(12.5), 12);
}

} // namespace
