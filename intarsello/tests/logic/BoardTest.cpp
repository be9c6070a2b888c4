// SPDX-License-Identifier: GPL-3.0-or-later
// The board's start layout, drag and drop, turns, and the guards at the 16-bit limits and window edges.
#include "intarsello/logic/Board.h"

#include "intarsello/logic/Geometry.h"

#include <gtest/gtest.h>

namespace {

using namespace intarsello;

// Square j of `tile` lies at anchor + 360 * offset.
void expectFormation(const Board& b, int tile) {
    const SquarePosition a = b.position(Board::cellOf(tile, 0));
    for (int j = 0; j < Board::kSquaresPerTile; ++j) {
        const SquarePosition p = b.position(Board::cellOf(tile, j));
        EXPECT_EQ(p.left, a.left + 360 * b.OffsetX(tile, j)) << "tile " << tile << " square " << j;
        EXPECT_EQ(p.top, a.top + 360 * b.OffsetY(tile, j)) << "tile " << tile << " square " << j;
    }
}

bool inside16Bits(const SquarePosition& p) {
    return p.left >= kMinTwips && p.left <= kMaxTwips && p.top >= kMinTwips && p.top <= kMaxTwips;
}

TEST(BoardStart, SquaresDoNotOverlapAndLieOffTheGridInsideTheWindow) {
    const Board b;
    double minLeft = 1e9, maxRight = -1e9, minTop = 1e9, maxBottom = -1e9;
    for (int i = 0; i < Board::kCellCount; ++i) {
        const SquarePosition p = b.position(i);
        EXPECT_FALSE(liesOnGrid(p.left, p.top)) << i;
        for (int other = 0; other < i; ++other) {
            const SquarePosition q = b.position(other);
            EXPECT_FALSE(std::abs(p.left - q.left) < 360 && std::abs(p.top - q.top) < 360)
                << i << " over " << other;
        }
        minLeft = std::min(minLeft, p.left);
        maxRight = std::max(maxRight, p.left + 360);
        minTop = std::min(minTop, p.top);
        maxBottom = std::max(maxBottom, p.top + 360);
    }
    EXPECT_EQ(minLeft, 300);
    EXPECT_EQ(maxRight, 9270);
    EXPECT_EQ(minTop, 2680); // below the grid's bottom line at 2520
    EXPECT_EQ(maxBottom, 6280);
    EXPECT_LE(maxRight, kClientWidthTwips);
    EXPECT_LE(maxBottom, kClientHeightTwips);
    for (int k = 0; k < kTileCount; ++k)
        expectFormation(b, k);
}

TEST(BoardStart, CellIndicesNameTileAndSquare) {
    const Board b;
    EXPECT_EQ(Board::tileOf(37), 7);
    EXPECT_EQ(Board::squareOf(37), 2);
    EXPECT_EQ(b.position(37), (SquarePosition{1590, 5560}));
    EXPECT_EQ(b.position(Board::cellOf(5, 0)), (SquarePosition{7700, 3400}));
    EXPECT_EQ(b.position(Board::cellOf(11, 0)), (SquarePosition{8550, 5200}));
}

TEST(BoardTurn, TheBarTurnsUprightAboutItsMiddle) {
    Board b;
    b.placeTile(10, 6480, 1080);
    b.transform(10, Transform::QuarterTurn);
    const double tops[] = {1080, 720, 360, 1440, 1800};
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(b.position(Board::cellOf(10, j)), (SquarePosition{6480, tops[j]})) << j;
}

TEST(BoardTurn, RoundsTheAnchorTopButNotItsLeft) {
    Board b;
    b.placeTile(3, 1000.25, 2000.5); // a tile caught in mid-drag
    b.transform(3, Transform::QuarterTurn);
    EXPECT_EQ(b.position(Board::cellOf(3, 0)), (SquarePosition{1000.25, 2000}));
    b.placeTile(3, 1000.75, 2001.5);
    b.transform(3, Transform::None);
    EXPECT_EQ(b.position(Board::cellOf(3, 0)), (SquarePosition{1000.75, 2002}));
    expectFormation(b, 3);
}

TEST(BoardDrag, MovesAllFiveSquaresByThePointerAndDropKeepsTheFormation) {
    Board b;
    b.grab(100, 200.5); // GrabY is a whole twip, halves to even
    EXPECT_EQ(b.GrabX(), 100);
    EXPECT_EQ(b.GrabY(), 200);
    b.drag(0, 150.5, 230);
    EXPECT_EQ(b.position(Board::cellOf(0, 0)), (SquarePosition{1250.5, 3430}));
    expectFormation(b, 0);
    b.drop(0);
    EXPECT_EQ(b.position(Board::cellOf(0, 0)), (SquarePosition{1080, 3600}));
    expectFormation(b, 0);
}

TEST(BoardDrop, AgainstTheTopEdgeKeepsTheShape) {
    Board b;
    b.placeTile(10, 4000.4, 820);
    b.transform(10, Transform::QuarterTurn); // upright: tops 820, 460, 100, 1180, 1540
    b.drop(10);
    const double tops[] = {720, 360, 0, 1080, 1440};
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(b.position(Board::cellOf(10, j)), (SquarePosition{3960, tops[j]})) << j;
}

// Left to itself, a tile dragged past 32767 twips wraps the 16-bit position and stops the program.
TEST(BoardRegression, DragPastTheSixteenBitLimitHoldsTheTileAtTheLimit) {
    Board b;
    b.grab(0, 0);
    b.drag(10, 1e6, -1e6);
    for (int j = 0; j < 5; ++j)
        EXPECT_TRUE(inside16Bits(b.position(Board::cellOf(10, j)))) << j;
    EXPECT_EQ(b.position(Board::cellOf(10, 2)).left, kMaxTwips); // the square furthest right stops there
    EXPECT_EQ(b.position(Board::cellOf(10, 0)).top, kMinTwips);
    expectFormation(b, 10);
    b.drag(10, -5, 7); // and it comes back from there
    EXPECT_EQ(b.position(Board::cellOf(10, 2)).left, kMaxTwips - 5);
}

TEST(BoardRegression, TurnAtTheSixteenBitLimitKeepsEverySquareInRangeAndBringsTheTileBack) {
    Board b;
    b.placeTile(10, kMaxTwips - 720, kMaxTwips); // the bar, flat, against both limits
    b.transform(10, Transform::QuarterTurn);     // its top square would rise above, its bottom fall past
    for (int j = 0; j < 5; ++j) {
        const SquarePosition p = b.position(Board::cellOf(10, j));
        EXPECT_TRUE(inside16Bits(p)) << j;
        // Out of sight after the turn: whole steps back to lie just inside the window's corner.
        EXPECT_LE(p.left + 360, kClientWidthTwips) << j;
        EXPECT_GT(p.left + 360, kClientWidthTwips - 360) << j;
        EXPECT_LE(p.top + 360, kClientHeightTwips) << j;
    }
    EXPECT_GT(b.position(Board::cellOf(10, 4)).top + 360, kClientHeightTwips - 360);
    expectFormation(b, 10);
}

// A tile dropped wholly outside the window could never be pressed again until the program restarted.
TEST(BoardRegression, TileDroppedOutOfSightComesBackToTheNearestPlaceInside) {
    struct Case {
        double dx, dy;                  // drag of tile 10 (flat bar, start anchor 6900, 5200)
        SquarePosition anchorAfterDrop; // anchor after the drop
    };
    for (const auto& c : {
             Case{3400, 0, {8280, 5040}},  // right of the window: its right end at 9000 + 360 <= 9510
             Case{-8600, 0, {720, 5040}},  // left of it: its left end at 0
             Case{0, 1400, {6840, 5760}},  // below it: bottom at 6120 <= 6420
             Case{0, -6000, {6840, 0}},    // above it
             Case{-9000, -9000, {720, 0}}, // off a corner: both axes
             Case{20000, 20000, {8280, 5760}},
         }) {
        Board b;
        b.grab(0, 0);
        b.drag(10, c.dx, c.dy);
        b.drop(10);
        EXPECT_EQ(b.position(Board::cellOf(10, 0)), c.anchorAfterDrop) << c.dx << ", " << c.dy;
        expectFormation(b, 10);
    }
}

TEST(BoardDrop, TileStillPartlyInSightStaysWhereItFell) {
    Board b;
    b.grab(0, 0);
    b.drag(10, 2500, 1000); // its left three squares still show, cut off by the bottom edge
    b.drop(10);
    EXPECT_EQ(b.position(Board::cellOf(10, 0)), (SquarePosition{9360, 6120}));
    EXPECT_EQ(b.position(Board::cellOf(10, 4)).left, 8640);
}

} // namespace
