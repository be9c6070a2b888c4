// SPDX-License-Identifier: GPL-3.0-or-later
// The drop snap and the lines the puzzle window draws.
#include "intarsello/logic/Geometry.h"

#include <gtest/gtest.h>

namespace {

using namespace intarsello;

TEST(Snap, GoesToTheNearestMultipleOf360WithHalvesUpward) {
    struct Case {
        double in;
        int out;
    };
    for (const auto& c :
         {Case{539, 360}, Case{540, 720}, Case{5219, 5040}, Case{5220, 5400}, Case{100, 0}, Case{460, 360},
          Case{0, 0}, Case{360, 360},
          // 360n + 179.5 goes up, just below it goes down
          Case{359.5 + 180, 720}, Case{539.4, 360}, Case{179.5, 360}, Case{179.4, 0}, Case{180.5, 360},
          // below zero the division still rounds toward minus infinity
          Case{-1, 0}, Case{-179.4, 0}, Case{-180.5, 0}, Case{-181, -360}, Case{-540, -360},
          Case{-540.5, -360}, Case{-541, -720}})
        EXPECT_EQ(snapToLattice(c.in), c.out) << c.in;
}

TEST(Snap, StaysWithinSixteenBitsAtTheEndsOfTheRange) {
    EXPECT_EQ(snapToLattice(32767), 32760);
    EXPECT_EQ(snapToLattice(-32768), -32760);
    EXPECT_EQ(snapToLattice(1e9), 32760);
    EXPECT_EQ(snapToLattice(-1e9), -32760);
}

TEST(GridLines, AreTheTopEdgeThenSevenRowsThenElevenColumns) {
    const auto lines = gridLines();
    EXPECT_EQ(lines[0], (LineSegment{0, 0, kClientWidthTwips, 0}));
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], (LineSegment{5036, 360 * i, 8636, 360 * i}));
    for (int j = 1; j <= 11; ++j)
        EXPECT_EQ(lines[static_cast<std::size_t>(7 + j)],
                  (LineSegment{4676 + 360 * j, 360, 4676 + 360 * j, 2520}));
    EXPECT_EQ(lines.back().x1, 8636);
}

TEST(GridLines, BoundTheGridSquares) {
    EXPECT_TRUE(liesOnGrid(5040, 360));
    EXPECT_TRUE(liesOnGrid(8280, 2160));
    EXPECT_EQ(gridSquareLeftTwips(9), 8280);
    EXPECT_EQ(gridSquareTopTwips(5), 2160);
    for (auto [left, top] : {std::pair{4680.0, 360.0},
                             {8640.0, 360.0},
                             {5040.0, 0.0},
                             {5040.0, 2520.0},
                             {5040.5, 360.0},
                             {5040.0, 720.25}})
        EXPECT_FALSE(liesOnGrid(left, top)) << left << ", " << top;
}

} // namespace
