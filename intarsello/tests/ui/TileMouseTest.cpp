// SPDX-License-Identifier: GPL-3.0-or-later
// Playing with the mouse: left drags that land on the lattice, right presses that turn and mirror by the
// keys held, both buttons together, and tiles kept within reach and within the 16-bit range.
#include "intarsello/logic/Geometry.h"
#include "intarsello/logic/Tile.h"
#include "intarsello/tests/ui/PuzzleFixture.h"

#include <cmath>

namespace intarsello::test {
namespace {

using TileMouse = PuzzleFixture;

bool onLattice(SquarePosition p) {
    return std::fmod(p.left, 360) == 0 && std::fmod(p.top, 360) == 0;
}

TEST_F(TileMouse, DragFollowsThePointerAndTheDropLandsOnTheGrid) {
    // Square 2 of the bar (tile 10) is grabbed off-centre and carried so that the anchor lands near
    // grid square (4, 2), at (6480, 1080) twips.
    const int grabbed = Board::cellOf(10, 2), anchor = Board::cellOf(10, 0);
    const QPoint grip = square(grabbed)->pos() + QPoint(5, 17);
    press(grip);
    QPoint pointer = grip;
    for (int step = 0; step < 12; ++step) {
        pointer += QPoint(-3, -21);
        moveTo(pointer);
        // The grabbed square keeps the pointer at the same spot inside it, the others keep formation.
        EXPECT_LE((square(grabbed)->pos() + QPoint(5, 17) - pointer).manhattanLength(), 1);
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(at(Board::cellOf(10, j)).left - at(anchor).left,
                      360.0 * puzzle->board().OffsetX(10, j));
    }
    const QPoint target = QPoint(tk::ui::px(6480 + 720), tk::ui::px(1080)) + QPoint(5, 17) + QPoint(4, -3);
    moveTo(target);
    release(target);
    EXPECT_EQ(at(anchor), (SquarePosition{6480, 1080}));
    for (int j = 0; j < 5; ++j) {
        const int i = Board::cellOf(10, j);
        EXPECT_TRUE(liesOnGrid(at(i).left, at(i).top)) << j;
        EXPECT_EQ(square(i)->pos(), pixelsOf(at(i))) << j;
    }
}

TEST_F(TileMouse, EveryDropSnapsTheWholeTileToTheLattice) {
    // Odd pixel distances in every direction, for every tile.
    for (int k = 0; k < kTileCount; ++k) {
        dragBy(Board::cellOf(k, k % 5), QPoint(-7 * k - 3, -5 * k - 2));
        const SquarePosition anchor = at(Board::cellOf(k, 0));
        for (int j = 0; j < 5; ++j) {
            const SquarePosition p = at(Board::cellOf(k, j));
            EXPECT_TRUE(onLattice(p)) << k << "/" << j;
            EXPECT_EQ(p.left, anchor.left + 360 * tiles()[static_cast<std::size_t>(k)].start[j].dx);
            EXPECT_EQ(square(Board::cellOf(k, j))->pos(), pixelsOf(p));
        }
    }
}

TEST_F(TileMouse, RightPressTurnsOrMirrorsAboutTheAnchorByTheKeysHeld) {
    struct Case {
        Qt::MouseButton button;
        Qt::KeyboardModifiers keys;
        Transform effect;
    };
    const Case cases[] = {
        {Qt::RightButton, {}, Transform::QuarterTurn},
        {Qt::RightButton, Qt::ShiftModifier, Transform::MirrorTopToBottom},
        {Qt::RightButton, Qt::ControlModifier, Transform::MirrorLeftToRight},
        {Qt::RightButton, Qt::AltModifier, Transform::None},
        {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, Transform::None},
        {Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, Transform::None},
        {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, Transform::None},
        {Qt::MiddleButton, {}, Transform::None},
        {Qt::MiddleButton, Qt::ShiftModifier, Transform::None},
    };
    const int tile = 0; // the L: no turn or mirror leaves it as it was
    const SquarePosition anchor = at(Board::cellOf(tile, 0));
    TileShape expected = tiles()[tile].start;
    for (const Case& c : cases) {
        // Pressed on square 3, which moves with the shape: find it afresh each time.
        const QPoint on = centreOf(Board::cellOf(tile, 3));
        press(on, c.button, c.keys);
        release(on, c.button);
        expected = expected.transformed(c.effect);
        EXPECT_EQ(puzzle->board().shape(tile), expected) << int(c.button) << " " << c.keys.toInt();
        EXPECT_EQ(at(Board::cellOf(tile, 0)), anchor);
        for (int j = 0; j < 5; ++j) {
            const SquarePosition p = at(Board::cellOf(tile, j));
            EXPECT_EQ(
                p, (SquarePosition{anchor.left + 360 * expected[j].dx, anchor.top + 360 * expected[j].dy}));
            EXPECT_EQ(square(Board::cellOf(tile, j))->pos(), pixelsOf(p));
        }
    }
}

TEST_F(TileMouse, AQuickDoubleRightClickTurnsTwice) {
    // The second press of a double click reaches the square as a double click, not as a press.
    const int tile = 5;
    QTest::mouseDClick(puzzle->windowHandle(), Qt::RightButton, {},
                       tk::ui::testing::inWindow(puzzle->client(), centreOf(Board::cellOf(tile, 0))));
    EXPECT_EQ(puzzle->board().shape(tile), tiles()[tile].start.quarterTurned().quarterTurned());
}

TEST_F(TileMouse, RightPressDuringADragTurnsAndBothButtonsHoldTheTileStill) {
    const int tile = 9, grabbed = Board::cellOf(tile, 1), anchor = Board::cellOf(tile, 0);
    QPoint pointer = centreOf(grabbed);
    press(pointer);
    pointer += QPoint(-40, -40);
    moveTo(pointer);
    EXPECT_EQ(square(grabbed)->geometry().center(), pointer);

    press(pointer, Qt::RightButton);
    EXPECT_EQ(puzzle->board().shape(tile), tiles()[tile].start.quarterTurned());
    const SquarePosition held = at(anchor);
    moveTo(pointer + QPoint(-30, 20)); // both buttons held: the tile stays
    EXPECT_EQ(at(anchor), held);
    release(pointer + QPoint(-30, 20), Qt::RightButton); // no snap
    EXPECT_EQ(at(anchor), held);
    EXPECT_FALSE(onLattice(held));

    // The left button alone again: the tile follows (the pressed square, moved by the turn, comes back
    // under the pointer first).
    pointer += QPoint(-31, 23);
    moveTo(pointer);
    const SquarePosition following = at(anchor);
    EXPECT_NE(following, held);
    moveTo(pointer + QPoint(-10, 5));
    EXPECT_EQ(at(anchor).left, following.left - 10 * 15);
    EXPECT_EQ(at(anchor).top, following.top + 5 * 15);
    pointer += QPoint(-10, 5);
    release(pointer);
    EXPECT_TRUE(onLattice(at(anchor)));
    EXPECT_EQ(square(anchor)->pos(), pixelsOf(at(anchor)));
}

TEST_F(TileMouse, ATileDroppedOutOfSightComesBackAndOnePartlyInSightStays) {
    // The bar (tile 10) taken wholly past the right edge comes back by whole steps to lie just inside.
    const int bar = Board::cellOf(10, 0);
    dragBy(bar, QPoint(400, 0));
    double right = 0;
    for (int j = 0; j < 5; ++j)
        right = std::max(right, at(Board::cellOf(10, j)).left + 360);
    EXPECT_LE(right, kClientWidthTwips);
    EXPECT_GT(right, kClientWidthTwips - 360);
    EXPECT_TRUE(onLattice(at(bar)));

    // The U (tile 2) dropped with one column still in sight at the bottom stays where it fell.
    const int u = Board::cellOf(2, 0);
    dragBy(u, QPoint(0, 428 - 12 - square(u)->y()));
    const SquarePosition fell = at(u);
    EXPECT_GE(fell.top, 6120);
    EXPECT_LT(fell.top, kClientHeightTwips);
    EXPECT_EQ(square(u)->pos(), pixelsOf(fell));
}

TEST_F(TileMouse, ATurnOrMirrorOnTheLastVisibleStripBringsTheTileBackIntoView) {
    // The bar dropped with its anchor's left at 10080: only 10 pixels of its left square show.
    const int bar = Board::cellOf(10, 0), barEnd = Board::cellOf(10, 4);
    dragBy(bar, QPoint(tk::ui::px(10080 - 6900), 0));
    ASSERT_EQ(at(bar).left, 10080);
    ASSERT_EQ(at(barEnd).left, 9360);
    const int stripY = centreOf(barEnd).y();
    press(QPoint(tk::ui::px(9510) - 5, stripY), Qt::RightButton);
    release(QPoint(tk::ui::px(9510) - 5, stripY), Qt::RightButton);
    EXPECT_EQ(puzzle->board().shape(10), tiles()[10].start.quarterTurned());
    // Upright now, three whole steps to the left: its right edge at 9360, the nearest place inside.
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(at(Board::cellOf(10, j)).left, 9000) << j;
        EXPECT_EQ(square(Board::cellOf(10, j))->pos(), pixelsOf(at(Board::cellOf(10, j)))) << j;
    }
    EXPECT_EQ(at(bar).top, 5040);

    // The V (tile 6) with only its right column in sight, mirrored left to right about its anchor.
    const int v = Board::cellOf(6, 0), vCorner = Board::cellOf(6, 2);
    dragBy(v, QPoint(tk::ui::px(-720 - 300), 0));
    ASSERT_EQ(at(vCorner).left, 0);
    press(centreOf(vCorner), Qt::RightButton, Qt::ControlModifier);
    release(centreOf(vCorner), Qt::RightButton);
    EXPECT_EQ(puzzle->board().shape(6), tiles()[6].start.transformed(Transform::MirrorLeftToRight));
    EXPECT_EQ(at(v).left, 720); // four steps to the right: its left column at 0
    EXPECT_EQ(at(vCorner).left, 0);

    // A turn that leaves a square in sight is not corrected.
    const SquarePosition before = at(v);
    press(centreOf(v), Qt::RightButton);
    release(centreOf(v), Qt::RightButton);
    EXPECT_EQ(at(v), before);
}

TEST_F(TileMouse, ADragFarOutsideStopsAtTheSixteenBitLimits) {
    const int bar = Board::cellOf(10, 0);
    QPoint pointer = centreOf(bar);
    press(pointer);
    pointer += QPoint(3000, 3000); // 45000 twips away
    moveTo(pointer);
    for (int j = 0; j < 5; ++j) {
        EXPECT_LE(at(Board::cellOf(10, j)).left, 32767);
        EXPECT_LE(at(Board::cellOf(10, j)).top, 32767);
    }
    release(pointer);
    // Wholly out of sight: brought back inside the window.
    EXPECT_LE(at(bar).top + 360, kClientHeightTwips);
    EXPECT_LE(at(Board::cellOf(10, 2)).left + 360, kClientWidthTwips);
}

// Shrunk to fit a small screen, the pointer still speaks twips: a drag lands where it did at full size, and
// the squares of a tile still meet without a seam.
class ZoomedTileMouse : public PuzzleFixture {
protected:
    void SetUp() override {
        tk::ui::setZoom(0.8);
        PuzzleFixture::SetUp();
    }
    void TearDown() override {
        PuzzleFixture::TearDown();
        tk::ui::setZoom(1.0);
    }
};

TEST_F(ZoomedTileMouse, ADragLandsOnTheGridSquareUnderThePointerAndTheSquaresMeet) {
    const int anchor = Board::cellOf(10, 0);
    const QPoint grip = centreOf(anchor);
    const QPoint target = QPoint(tk::ui::px(6480 + 180), tk::ui::px(1080 + 180)) + QPoint(2, -3);
    press(grip);
    moveTo((grip + target) / 2);
    moveTo(target);
    release(target);
    EXPECT_EQ(at(anchor), (SquarePosition{6480, 1080}));
    int seams = 0;
    for (int a = 0; a < 5; ++a) {
        for (int b = 0; b < 5; ++b) {
            const SquarePosition p = at(Board::cellOf(10, a)), q = at(Board::cellOf(10, b));
            const QRect here = square(Board::cellOf(10, a))->geometry();
            const QRect next = square(Board::cellOf(10, b))->geometry();
            if (q.top == p.top && q.left == p.left + 360) {
                EXPECT_EQ(next.left(), here.right() + 1) << a << "/" << b;
                ++seams;
            }
            if (q.left == p.left && q.top == p.top + 360) {
                EXPECT_EQ(next.top(), here.bottom() + 1) << a << "/" << b;
                ++seams;
            }
        }
    }
    EXPECT_EQ(seams, 4);
}

} // namespace
} // namespace intarsello::test
