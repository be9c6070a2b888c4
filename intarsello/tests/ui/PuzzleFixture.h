// SPDX-License-Identifier: GPL-3.0-or-later
// An intarsello run offscreen: the backdrop loaded with the puzzle window active in front, an answering
// message box, and helpers that read the board and the screen.
#pragma once

#include "intarsello/logic/Board.h"
#include "intarsello/tests/ui/frmPuzzleTesting.h"
#include "intarsello/ui/Form1.h"
#include "toolkit/ui/Units.h"
#include "toolkit/ui/testing/AnsweringMessageBoxes.h"
#include "toolkit/ui/testing/MouseDriver.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace intarsello::test {

class PuzzleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form1 = new ui::Form1(messages);
        ended = std::make_unique<QSignalSpy>(form1.data(), &ui::Form1::ended);
        form1->Form_Load();
        puzzle = form1->puzzle();
        ASSERT_NE(puzzle, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(puzzle.data()));
    }

    void TearDown() override {
        // QTest remembers the buttons held from one event to the next: leave none held.
        if (puzzle)
            for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
                release(QPoint(2, 2), b);
        ended.reset();
        delete form1.data();
        settle();
    }

    // Lets deferred deletions and queued events run, as the event loop would between events.
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    ui::frmPuzzleTesting view() const { return ui::frmPuzzleTesting(*puzzle); }
    ui::TileSquare* square(int index) const { return view().cell()[index]; }
    SquarePosition at(int index) const { return puzzle->board().position(index); }
    // Where the square's widget should stand for the board's position.
    static QPoint pixelsOf(SquarePosition p) { return {tk::ui::px(p.left), tk::ui::px(p.top)}; }
    // The centre of `index`'s square, in pixels of the client area.
    QPoint centreOf(int index) const { return square(index)->geometry().center(); }
    QColor pixel(QPoint clientPx) const { return puzzle->client()->grab().toImage().pixelColor(clientPx); }

    // Mouse events on the client area at `clientPx`, routed through the window as real ones.
    void press(QPoint clientPx, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
        tk::ui::testing::press(puzzle->client(), clientPx, b, m);
    }
    void moveTo(QPoint clientPx) { tk::ui::testing::moveTo(puzzle->client(), clientPx); }
    void release(QPoint clientPx, Qt::MouseButton b = Qt::LeftButton) {
        tk::ui::testing::release(puzzle->client(), clientPx, b);
    }
    // Presses the left button on `index`'s centre, moves by `byPx` in a few steps and releases.
    void dragBy(int index, QPoint byPx) {
        const QPoint from = centreOf(index);
        press(from);
        for (int step = 1; step <= 4; ++step)
            moveTo(from + byPx * step / 4);
        release(from + byPx);
    }

    tk::ui::AnsweringMessageBoxes messages;
    QPointer<ui::Form1> form1;
    QPointer<ui::frmPuzzle> puzzle;
    std::unique_ptr<QSignalSpy> ended;
};

} // namespace intarsello::test
