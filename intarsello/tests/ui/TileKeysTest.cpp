// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard: Tab and Shift+Tab ring a tile without touching its colours, the arrows move it a
// square at a time, Space, R and M turn and mirror it, and a tile sent out of sight comes back.
#include "intarsello/logic/Geometry.h"
#include "intarsello/logic/Tile.h"
#include "intarsello/tests/ui/PuzzleFixture.h"
#include "intarsello/ui/HelpPanel.h"
#include "intarsello/ui/SelectionOutline.h"
#include "toolkit/ui/Button.h"

namespace intarsello::test {
namespace {

class TileKeys : public PuzzleFixture {
protected:
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(puzzle->windowHandle(), k, m); }
    bool outlined() const { return view().selectionOutline()->isVisible(); }
    SquarePosition anchorOf(int tile) const { return at(Board::cellOf(tile, 0)); }
};

TEST_F(TileKeys, TabRingsATileInNumberOrderWithoutTouchingItsColours) {
    // Mouse play, drags and turns, never rings a tile.
    dragBy(Board::cellOf(3, 0), {30, -40});
    press(centreOf(Board::cellOf(3, 0)), Qt::RightButton);
    release(centreOf(Board::cellOf(3, 0)), Qt::RightButton);
    EXPECT_EQ(puzzle->selectedTile(), -1);
    EXPECT_FALSE(outlined());

    struct Step {
        Qt::KeyboardModifiers keys;
        int selected;
    };
    for (const Step s :
         {Step{{}, 0}, Step{{}, 1}, Step{Qt::ShiftModifier, 0}, Step{Qt::ShiftModifier, 11}, Step{{}, 0}}) {
        key(Qt::Key_Tab, s.keys);
        EXPECT_EQ(puzzle->selectedTile(), s.selected);
    }
    ASSERT_TRUE(outlined());

    // The L (tile 0, black) keeps its colour to its very edge; the ring lies just outside it.
    for (int j = 0; j < 5; ++j) {
        const QRect box = square(Board::cellOf(0, j))->geometry();
        EXPECT_EQ(square(Board::cellOf(0, j))->colour(), QColor(0, 0, 0));
        for (QPoint p : {box.center(), box.topLeft(), box.bottomRight()})
            EXPECT_EQ(pixel(p), QColor(0, 0, 0)) << j;
    }
    const QRect anchorBox = square(Board::cellOf(0, 0))->geometry(); // nothing left of the anchor
    const QPoint beside(anchorBox.left(), anchorBox.center().y());
    EXPECT_EQ(pixel(beside - QPoint(ui::SelectionOutline::kGapPx, 0)), QColor(Qt::white));
    EXPECT_EQ(pixel(beside - QPoint(ui::SelectionOutline::kGapPx + 1, 0)), ui::SelectionOutline::kBandColour);

    // While the help panel shows, its OK joins the round after tile 11, and Space there closes it.
    puzzle->mnuHelp_Click();
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(view().PicHelp()->OKButton->hasFocus());
    EXPECT_FALSE(outlined());
    key(Qt::Key_Space);
    EXPECT_FALSE(view().PicHelp()->isVisible());
    key(Qt::Key_Tab);
    EXPECT_EQ(puzzle->selectedTile(), 0);
    key(Qt::Key_Escape);
    EXPECT_EQ(puzzle->selectedTile(), -1);
    EXPECT_FALSE(outlined());
}

TEST_F(TileKeys, ArrowsStepOnTheLatticeAndTurnsAndMirrorsActAsTheRightButton) {
    const int bar = 10;
    for (int i = 0; i <= bar; ++i)
        key(Qt::Key_Tab);
    ASSERT_EQ(puzzle->selectedTile(), bar);

    // From its start (6900, 5200) the first step lands on the lattice as a drop would; then square by square.
    key(Qt::Key_Right);
    EXPECT_EQ(anchorOf(bar), (SquarePosition{7200, 5040}));
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(anchorOf(bar), (SquarePosition{6480, 4680}));
    key(Qt::Key_R, Qt::ControlModifier); // not the board's
    key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(anchorOf(bar), (SquarePosition{6480, 4680}));
    EXPECT_EQ(puzzle->board().shape(bar), tiles()[bar].start);

    // Right until only its left square shows; one more and the whole bar comes back just inside.
    while (anchorOf(bar).left < 10080)
        key(Qt::Key_Right);
    EXPECT_EQ(anchorOf(bar).left, 10080);
    key(Qt::Key_Right);
    EXPECT_EQ(anchorOf(bar).left, 8280); // its right end at 9360
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(square(Board::cellOf(bar, j))->pos(), pixelsOf(at(Board::cellOf(bar, j)))) << j;

    // Turned upright on its last visible strip, it comes back as after a right click.
    while (anchorOf(bar).left < 10080)
        key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_EQ(puzzle->board().shape(bar), tiles()[bar].start.quarterTurned());
    EXPECT_EQ(anchorOf(bar), (SquarePosition{9000, 4680}));

    // About the anchor, in place: R turns, M mirrors left to right, Shift+M top to bottom.
    const int l = 0;
    key(Qt::Key_Tab);
    key(Qt::Key_Tab); // past tile 11, round to 0
    ASSERT_EQ(puzzle->selectedTile(), l);
    const SquarePosition anchor = anchorOf(l);
    TileShape expected = tiles()[l].start;
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers keys;
        Transform effect;
    };
    for (const Case& c :
         {Case{Qt::Key_R, {}, Transform::QuarterTurn}, Case{Qt::Key_M, {}, Transform::MirrorLeftToRight},
          Case{Qt::Key_M, Qt::ShiftModifier, Transform::MirrorTopToBottom},
          Case{Qt::Key_Space, {}, Transform::QuarterTurn}}) {
        key(c.key, c.keys);
        expected = expected.transformed(c.effect);
        EXPECT_EQ(puzzle->board().shape(l), expected) << c.key;
        EXPECT_EQ(anchorOf(l), anchor);
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(square(Board::cellOf(l, j))->pos(), pixelsOf(at(Board::cellOf(l, j)))) << j;
    }
}

} // namespace
} // namespace intarsello::test
