// SPDX-License-Identifier: GPL-3.0-or-later
// Turns and mirrors of tile shapes and the twelve start shapes.
#include "intarsello/logic/TileShape.h"

#include "intarsello/logic/Tile.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace intarsello;

TileShape shapeOf(char letter) {
    return tiles()[static_cast<std::size_t>(tileOfLetter(letter))].start;
}

TEST(TileShape, QuarterTurnIsCounterClockwiseOnTheScreen) {
    // A square right of the anchor moves above it; a square above moves to its left.
    const TileShape s(TileShape::Cells{{{0, 0}, {1, 0}, {0, -1}, {2, 0}, {0, 2}}});
    EXPECT_EQ(s.quarterTurned(), TileShape(TileShape::Cells{{{0, 0}, {0, -1}, {-1, 0}, {0, -2}, {2, 0}}}));
    EXPECT_EQ(s.mirroredTopToBottom(),
              TileShape(TileShape::Cells{{{0, 0}, {1, 0}, {0, 1}, {2, 0}, {0, -2}}}));
    EXPECT_EQ(s.mirroredLeftToRight(),
              TileShape(TileShape::Cells{{{0, 0}, {-1, 0}, {0, -1}, {-2, 0}, {0, 2}}}));
    EXPECT_EQ(s.transformed(Transform::None), s);
}

TEST(TileShape, FourTurnsOrTwoEqualMirrorsGiveBackEveryStartShape) {
    for (const Tile& t : tiles()) {
        EXPECT_EQ(t.start.quarterTurned().quarterTurned().quarterTurned().quarterTurned(), t.start)
            << t.letter;
        EXPECT_NE(t.start.quarterTurned(), t.start) << t.letter; // every square but the anchor moves
        EXPECT_EQ(t.start.mirroredTopToBottom().mirroredTopToBottom(), t.start) << t.letter;
        EXPECT_EQ(t.start.mirroredLeftToRight().mirroredLeftToRight(), t.start) << t.letter;
        EXPECT_EQ(t.start[0], (Offset{0, 0})) << t.letter;
    }
}

TEST(TileShape, MirroringThePlusSignChangesNothingVisible) {
    const TileShape x = shapeOf('X');
    EXPECT_EQ(x.mirroredLeftToRight().form(), x.form());
    EXPECT_EQ(x.quarterTurned().form(), x.form());
    EXPECT_NE(x.quarterTurned(), x); // the squares swap places
}

TEST(TileShape, TheTwelveStartShapesArePairwiseDifferentEvenTurnedOrMirrored) {
    std::set<TileShape::Cells> freeForms;
    int squares = 0;
    for (const Tile& t : tiles()) {
        freeForms.insert(t.start.freeForm());
        squares += static_cast<int>(std::set(t.start.offsets().begin(), t.start.offsets().end()).size());
    }
    EXPECT_EQ(freeForms.size(), 12u);
    EXPECT_EQ(squares, 60);
}

TEST(TileShape, FreeFormMatchesEveryOrientationAndOnlyThose) {
    // The F and its mirror image: same free form, different shapes on the screen.
    const TileShape f = shapeOf('F');
    EXPECT_TRUE(f.mirroredLeftToRight().quarterTurned().sameFreeFormAs(f));
    EXPECT_NE(f.mirroredLeftToRight().form(), f.form());
    EXPECT_FALSE(f.sameFreeFormAs(shapeOf('P')));
}

TEST(Tile, ColoursAreTheFirstTwelvePaletteEntries) {
    EXPECT_EQ(tiles()[4].colour, (tk::Rgb{128, 0, 0}));
    EXPECT_EQ(tiles()[7].colour, (tk::Rgb{192, 192, 192}));
    EXPECT_EQ(tiles()[11].colour, (tk::Rgb{0, 255, 255}));
    EXPECT_EQ(tileOfLetter('I'), 10);
    EXPECT_EQ(tileOfLetter('Q'), -1);
}

} // namespace
