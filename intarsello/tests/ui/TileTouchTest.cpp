// SPDX-License-Identifier: GPL-3.0-or-later
// Playing on a touch screen: a finger drags a tile as the left button does, and a finger held still turns
// it, which a mouse button held still does not.
#include "intarsello/logic/Tile.h"
#include "intarsello/tests/ui/PuzzleFixture.h"

#include <QPointingDevice>

namespace intarsello::test {
namespace {

using TileTouch = PuzzleFixture;
using tk::ui::testing::inWindow;

QPointingDevice* touchScreen() {
    static QPointingDevice* const device = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return device;
}

// Time enough for a hold to have turned a tile, with room for a slow machine.
constexpr int kPastLongPressMs = ui::TileSquare::kLongPressMs + 200;

TEST_F(TileTouch, AFingerDragsAndTurnsWhenHeldStillButAMouseHeldStillDoesNot) {
    const int bar = 10, anchor = Board::cellOf(bar, 0);
    QWindow* window = puzzle->windowHandle();
    const auto finger = [&](QPoint clientPx) { return inWindow(puzzle->client(), clientPx); };

    // Carried to grid square (4, 2) and held still there before lifting: a hold that began with a drag
    // does not turn.
    const QPoint from = centreOf(anchor);
    const QPoint to = QPoint(tk::ui::px(6480 + 180), tk::ui::px(1080 + 180)) + QPoint(3, -2);
    QTest::touchEvent(window, touchScreen()).press(0, finger(from));
    for (int step = 1; step <= 4; ++step)
        QTest::touchEvent(window, touchScreen()).move(0, finger(from + (to - from) * step / 4));
    QTest::qWait(kPastLongPressMs);
    QTest::touchEvent(window, touchScreen()).release(0, finger(to));
    EXPECT_EQ(at(anchor), (SquarePosition{6480, 1080}));
    EXPECT_EQ(puzzle->board().shape(bar), tiles()[bar].start);
    EXPECT_EQ(square(anchor)->pos(), pixelsOf(at(anchor)));

    // Pressed and held with a wobble of a pixel: nothing at first, one quarter turn about the anchor after
    // about 0.6 s, however long the finger stays.
    const QPoint on = centreOf(Board::cellOf(bar, 2));
    QTest::touchEvent(window, touchScreen()).press(0, finger(on));
    QTest::touchEvent(window, touchScreen()).move(0, finger(on + QPoint(1, 1)));
    QTest::qWait(ui::TileSquare::kLongPressMs / 2);
    EXPECT_EQ(puzzle->board().shape(bar), tiles()[bar].start);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return puzzle->board().shape(bar) != tiles()[bar].start; }, kPastLongPressMs));
    QTest::qWait(kPastLongPressMs);
    QTest::touchEvent(window, touchScreen()).release(0, finger(on + QPoint(1, 1)));
    EXPECT_EQ(puzzle->board().shape(bar), tiles()[bar].start.quarterTurned());
    EXPECT_EQ(at(anchor), (SquarePosition{6480, 1080}));

    // The left mouse button held as long does not turn.
    const int t = 3, tAnchor = Board::cellOf(t, 0);
    press(centreOf(tAnchor));
    QTest::qWait(kPastLongPressMs);
    release(centreOf(tAnchor));
    EXPECT_EQ(puzzle->board().shape(t), tiles()[t].start);
}

} // namespace
} // namespace intarsello::test
