// SPDX-License-Identifier: GPL-3.0-or-later
// The random source: range, reproducibility with a seed, and mixing that never replays a sequence.
#include "toolkit/core/Random.h"

#include "toolkit/core/testing/ScriptedRandom.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

std::vector<double> draw(tk::Random& random, int count) {
    std::vector<double> values(static_cast<std::size_t>(count));
    for (double& value : values)
        value = random.next();
    return values;
}

TEST(RandomSource, ValuesStayInHalfOpenUnitInterval) {
    tk::RandomSource random(12345);
    double lowest = 1.0, highest = 0.0, sum = 0.0;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        sum += r;
    }
    EXPECT_LT(lowest, 1e-4);
    EXPECT_GT(highest, 1 - 1e-4);
    EXPECT_NEAR(sum / n, 0.5, 0.01);
}

TEST(RandomSource, SameSeedSameSequenceAndDefaultIsFixed) {
    tk::RandomSource a(7), b(7), c(8);
    EXPECT_EQ(draw(a, 50), draw(b, 50));
    tk::RandomSource d(7);
    EXPECT_NE(draw(d, 50), draw(c, 50));
    tk::RandomSource e, f;
    EXPECT_EQ(draw(e, 10), draw(f, 10));
}

TEST(RandomSource, MixingTheSameReadingTwiceContinuesDifferently) {
    tk::RandomSource random(99);
    random.mix(36000.25);
    const auto first = draw(random, 5);
    random.mix(36000.25);
    const auto second = draw(random, 5);
    EXPECT_NE(first, second);

    // Two sources in different states mixed with the same reading stay different.
    tk::RandomSource x(1), y(2);
    x.mix(10.0);
    y.mix(10.0);
    EXPECT_NE(draw(x, 5), draw(y, 5));
}

TEST(RandomSource, IntegerDrawsReachBothEndsEvenly) {
    tk::RandomSource random(3);
    std::vector<int> counts(10);
    for (int i = 0; i < 100000; ++i)
        ++counts[static_cast<int>(random.next() * 10)];
    for (int count : counts)
        EXPECT_NEAR(count, 10000, 600);
}

TEST(ScriptedRandom, ReplaysValuesThenHoldsTheLast) {
    tk::ScriptedRandom random({0.1, 0.9});
    random.mix(5.0);
    EXPECT_EQ(random.next(), 0.1);
    EXPECT_EQ(random.next(), 0.9);
    EXPECT_EQ(random.next(), 0.9);
    EXPECT_EQ(random.drawn(), 3u);
    EXPECT_EQ(random.mixes(), std::vector<double>{5.0});
}

} // namespace
