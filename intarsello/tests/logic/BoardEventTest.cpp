// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse rules as the window delivers them: which press, motion and release does what to which tile.
#include "intarsello/logic/Board.h"

#include <gtest/gtest.h>

namespace {

using namespace intarsello;

MouseEvent press(int cell, unsigned button, unsigned modifiers = 0, double x = 0, double y = 0) {
    return {MouseEventKind::Press, button, button, modifiers, x, y, cell};
}
MouseEvent motion(int cell, unsigned held, double x, double y) {
    return {MouseEventKind::Motion, 0, held, 0, x, y, cell};
}
MouseEvent release(int cell, unsigned button) {
    return {MouseEventKind::Release, button, 0, 0, 0, 0, cell};
}

TEST(BoardEvents, RightPressTurnsOrMirrorsByTheModifierKeys) {
    struct Case {
        unsigned modifiers;
        BoardAction action;
        Transform expected;
    };
    for (const auto& c : {Case{0, BoardAction::Turned, Transform::QuarterTurn},
                          Case{ShiftKey, BoardAction::MirroredTopToBottom, Transform::MirrorTopToBottom},
                          Case{CtrlKey, BoardAction::MirroredLeftToRight, Transform::MirrorLeftToRight},
                          Case{AltKey, BoardAction::Replaced, Transform::None},
                          Case{ShiftKey | CtrlKey, BoardAction::Replaced, Transform::None},
                          Case{ShiftKey | AltKey, BoardAction::Replaced, Transform::None},
                          Case{ShiftKey | CtrlKey | AltKey, BoardAction::Replaced, Transform::None}}) {
        Board b;
        EXPECT_EQ(b.handle(press(Board::cellOf(0, 3), RightButton, c.modifiers)), c.action) << c.modifiers;
        EXPECT_EQ(b.shape(0), tiles()[0].start.transformed(c.expected)) << c.modifiers;
        EXPECT_EQ(b.shape(1), tiles()[1].start); // only the pressed tile
    }
}

TEST(BoardEvents, RightPressOnAnySquareTurnsAboutSquareZero) {
    for (int square = 0; square < 5; ++square) {
        Board b;
        b.handle(press(Board::cellOf(8, square), RightButton));
        EXPECT_EQ(b.position(Board::cellOf(8, 0)), (SquarePosition{3600, 5200})) << square;
        EXPECT_EQ(b.position(Board::cellOf(8, 1)), (SquarePosition{3600, 4840})) << square; // right -> above
    }
}

TEST(BoardEvents, MiddleButtonAndOtherReleasesDoNothing) {
    Board b;
    const Board before;
    EXPECT_EQ(b.handle(press(12, MiddleButton)), BoardAction::None);
    EXPECT_EQ(b.handle(press(12, LeftButton | RightButton)), BoardAction::None);
    EXPECT_EQ(b.handle(release(12, MiddleButton)), BoardAction::None);
    EXPECT_EQ(b.handle(press(60, RightButton)), BoardAction::None);
    EXPECT_EQ(b.handle(press(-1, RightButton)), BoardAction::None);
    EXPECT_EQ(b.shape(2), before.shape(2));
}

TEST(BoardEvents, TileFollowsOnlyWhileExactlyTheLeftButtonIsHeld) {
    Board b;
    EXPECT_EQ(b.handle(press(20, LeftButton, 0, 100, 120)), BoardAction::Grabbed);
    EXPECT_EQ(b.handle(motion(20, LeftButton, 130, 100)), BoardAction::Dragged);
    const SquarePosition moved{6400 + 30, 3400 - 20};
    EXPECT_EQ(b.position(20), moved);
    for (unsigned held : {0u, unsigned(RightButton), unsigned(LeftButton | RightButton),
                          unsigned(LeftButton | MiddleButton)}) {
        EXPECT_EQ(b.handle(motion(20, held, 400, 400)), BoardAction::None) << held;
        EXPECT_EQ(b.position(20), moved) << held;
    }
}

TEST(BoardEvents, RightButtonDuringADragTurnsAtOnceAndOnlyTheLeftReleaseSnaps) {
    Board b;
    const int cell = Board::cellOf(6, 2); // V, square two right of the corner
    b.handle(press(cell, LeftButton, 0, 10, 10));
    b.handle(motion(cell, LeftButton, 110, 60)); // anchor (400, 5250): off the lattice
    EXPECT_EQ(b.handle(press(cell, RightButton)), BoardAction::Turned);
    EXPECT_EQ(b.position(Board::cellOf(6, 0)), (SquarePosition{400, 5250}));
    EXPECT_EQ(b.position(Board::cellOf(6, 2)), (SquarePosition{400, 4530}));
    b.handle(motion(cell, LeftButton | RightButton, 500, 500)); // both held: no follow
    EXPECT_EQ(b.handle(release(cell, RightButton)), BoardAction::None);
    EXPECT_EQ(b.position(Board::cellOf(6, 0)), (SquarePosition{400, 5250})); // no snap
    b.handle(motion(cell, LeftButton, 20, 10)); // follows again, by the pointer's move from the grab
    EXPECT_EQ(b.position(Board::cellOf(6, 0)), (SquarePosition{410, 5250}));
    EXPECT_EQ(b.handle(release(cell, LeftButton)), BoardAction::Dropped);
    EXPECT_EQ(b.position(Board::cellOf(6, 0)), (SquarePosition{360, 5400}));
    EXPECT_EQ(b.position(Board::cellOf(6, 2)), (SquarePosition{360, 4680}));
}

TEST(BoardEvents, GrabPointIsWrittenOnlyByALeftPress) {
    Board b;
    b.handle(press(0, LeftButton, 0, 12.25, 40.5));
    b.handle(press(0, RightButton, 0, 99, 99));
    b.handle(motion(0, 0, 77, 77));
    EXPECT_EQ(b.GrabX(), 12.25);
    EXPECT_EQ(b.GrabY(), 40);
    b.handle(press(0, LeftButton, 0, 5, 1e9)); // a wild value is held at the 16-bit limit
    EXPECT_EQ(b.GrabY(), 32767);
}

} // namespace
