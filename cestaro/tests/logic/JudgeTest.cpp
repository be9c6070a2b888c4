// SPDX-License-Identifier: GPL-3.0-or-later
// Judging full triangles: the sum rule with half-even rounding, the dealt apex, and sums beyond 16 bits.
#include "cestaro/logic/Judge.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using cestaro::Judge;
using cestaro::Triangle;

// A triangle obeying the sum rule over the given base (cells 11..15).
Judge::Values triangleOver(std::array<double, 5> base) {
    Judge::Values v{};
    for (int i = 0; i < 5; ++i)
        v[static_cast<std::size_t>(Triangle::kFirstBaseCell + i)] = base[static_cast<std::size_t>(i)];
    for (const int parent : Triangle::kSumOrder)
        v[parent] = v[Triangle::leftChild(parent)] + v[Triangle::rightChild(parent)];
    return v;
}

TEST(Judge, ATriangleObeyingTheSumRuleWithTheDealtApexIsRight) {
    const auto v = triangleOver({1, 2, 2, 2, 0});
    ASSERT_EQ(v[1], 29);
    const auto verdict = Judge::judge(v, 29);
    EXPECT_TRUE(verdict.right);
    EXPECT_TRUE(verdict.apexHolds);
    for (int parent = 1; parent <= 10; ++parent)
        EXPECT_TRUE(verdict.sumChecks[parent]) << parent;
}

TEST(Judge, AnotherApexIsRefusedEvenWhenEverySumHolds) {
    const auto v = triangleOver({1, 2, 2, 2, 1}); // apex 33
    const auto verdict = Judge::judge(v, 29);
    EXPECT_FALSE(verdict.right);
    EXPECT_FALSE(verdict.apexHolds);
    for (int parent = 1; parent <= 10; ++parent)
        EXPECT_TRUE(verdict.sumChecks[parent]) << parent;
}

TEST(Judge, ApexValueMustEqualTheDealtApexAsWellAsTheSum) {
    auto v = triangleOver({1, 2, 2, 2, 0});
    v[1] = 28; // cells 2 and 3 still sum to 29
    EXPECT_FALSE(Judge::judge(v, 29).right);
}

TEST(Judge, OneWrongParentAnywhereMakesTheTriangleWrong) {
    for (int parent = 2; parent <= 10; ++parent) {
        auto v = triangleOver({3, 1, 4, 1, 5});
        v[parent] += 1;
        const auto verdict = Judge::judge(v, static_cast<int>(v[1]));
        EXPECT_FALSE(verdict.right) << parent;
        EXPECT_FALSE(verdict.sumChecks[parent]) << parent;
    }
}

TEST(Judge, ChildrenAreSummedBeforeRoundingHalfToEven) {
    struct Case {
        double left, right, parent;
        bool passes;
    };
    for (const auto& c :
         {Case{2.5, 2.5, 5, true}, Case{0.5, 0, 0, true}, Case{0.5, 0, 1, false}, Case{1.5, 1, 2, true},
          Case{1.5, 1, 3, false}, Case{1.5, 1, 2.5, false}, Case{0.4, 0.4, 1, true}, Case{-0.5, 0, 0, true},
          Case{3.5, 0, 4, true}, Case{2, 3, 5.0000001, false}}) {
        auto v = triangleOver({0, 0, 0, 0, 0});
        v[11] = c.left;
        v[12] = c.right;
        v[7] = c.parent;
        EXPECT_EQ(Judge::judge(v, 0).sumChecks[7], c.passes)
            << c.left << " + " << c.right << " under " << c.parent;
    }
}

TEST(Judge, SumsAtTheEndsOfSixteenBitsStillCount) {
    auto v = triangleOver({0, 0, 0, 0, 0});
    v[11] = 32767;
    v[7] = 32767;
    v[12] = -32768;
    v[13] = 0.4;
    v[8] = -32768;
    const auto verdict = Judge::judge(v, 0);
    EXPECT_FALSE(verdict.sumChecks[7]); // 32767 + -32768 is -1, not 32767
    EXPECT_TRUE(verdict.sumChecks[8]);  // -32768 + 0.4 rounds to -32768
}

// Regression: a sum with no 16-bit rounding (huge, infinite or not a number) must judge the parent wrong,
// never stop the program or wrap around to a small value.
TEST(Judge, SumOutsideSixteenBitsIsWrongNotAFailure) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double left, right, parent;
    };
    for (const auto& c : {Case{32767, 1, 32768}, Case{32767.5, 0, 32768}, Case{-32768, -1, -32769},
                          Case{65536, 0, 0}, Case{1e300, 1e300, 2e300}, Case{kInf, 0, kInf},
                          Case{kInf, -kInf, 0}, Case{kNaN, 0, kNaN}, Case{-kInf, 1, -kInf}}) {
        auto v = triangleOver({0, 0, 0, 0, 0});
        v[11] = c.left;
        v[12] = c.right;
        v[7] = c.parent;
        EXPECT_FALSE(Judge::judge(v, 0).sumChecks[7]) << c.left << " + " << c.right;
    }
    auto v = triangleOver({0, 0, 0, 0, 0});
    v[2] = 65536; // would wrap to 0 and match the apex
    EXPECT_FALSE(Judge::judge(v, 0).apexHolds);
    v[2] = kInf;
    v[3] = -kInf;
    EXPECT_FALSE(Judge::judge(v, 0).apexHolds);
}

} // namespace

TEST(JudgeOpenApex, GivensFixTheApexOnlyWhenItFollowsFromThem) {
    auto givens = [](std::initializer_list<int> cells) {
        Judge::Givens g{};
        for (const int n : cells)
            g[static_cast<std::size_t>(n)] = true;
        return g;
    };
    EXPECT_TRUE(Judge::apexFixedBy(givens({1})));
    EXPECT_TRUE(Judge::apexFixedBy(givens({2, 3})));
    EXPECT_TRUE(Judge::apexFixedBy(givens({11, 12, 13, 14, 15})));
    // Row 4 leaves the base open by (1, -1, 1, -1, 1), which the apex's weights 1 4 6 4 1 cancel.
    EXPECT_TRUE(Judge::apexFixedBy(givens({7, 8, 9, 10})));
    EXPECT_FALSE(Judge::apexFixedBy(givens({})));
    EXPECT_FALSE(Judge::apexFixedBy(givens({11, 7, 10, 15}))); // the middle of the base is open
    EXPECT_FALSE(Judge::apexFixedBy(givens({2, 4, 5, 7, 8, 11, 12, 13})));
}

TEST(JudgeOpenApex, AnyTriangleObeyingTheSumRuleIsRightAndNoOtherIs) {
    const auto v = triangleOver({1, 2, 2, 2, 1}); // apex 33, not the dealt 29
    EXPECT_TRUE(Judge::judge(v, std::nullopt).right);
    EXPECT_FALSE(Judge::judge(v, 29).right);
    for (const int parent : Triangle::kSumOrder) {
        auto wrong = v;
        wrong[parent] += 1;
        EXPECT_FALSE(Judge::judge(wrong, std::nullopt).right) << parent;
    }
}
