// SPDX-License-Identifier: GPL-3.0-or-later
// Reaching a cell without aiming at its middle: a press anywhere on its circle, or the arrow keys from a
// neighbour; the ring on the cell being typed into; Esc on the instructions.
#include "cestaro/tests/ui/CestaroFixture.h"
#include "cestaro/ui/frmAbout.h"
#include "toolkit/core/testing/ScriptedRandom.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Shape.h"

#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <numbers>

namespace cestaro::test {
namespace {

using Caret = CestaroFixture;

// A point of the window on the circle of cell n, `inset` pixels in from its edge, `degrees` round from
// the right, counter-clockwise.
QPoint onCircle(const ui::frmGame& w, int n, double degrees, double inset) {
    const QRectF box = w.Shape(n)->geometry();
    const double radius = box.width() / 2 - inset;
    const double angle = degrees * std::numbers::pi / 180;
    const QPointF point = box.center() + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
    return w.client()->mapTo(&w, point.toPoint());
}

void press(ui::frmGame& w, QPoint point) {
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, point);
}

void key(ui::frmGame& w, Qt::Key k) {
    QTest::keyClick(w.windowHandle(), k);
}

// Types through the window, into whatever has the focus.
void typeDigits(ui::frmGame& w, const char* digits) {
    for (const char* c = digits; *c; ++c)
        QTest::keyClick(w.windowHandle(), *c);
}

TEST_F(Caret, APressAnywhereOnACircleGivesItsCellTheCaret) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // While the board glows, too.
    press(*window, onCircle(*window, 5, 90, 2));
    EXPECT_EQ(QApplication::focusWidget(), T(5));

    window->mnuNew_Click(0);
    const auto open = openCells();
    ASSERT_GE(open.size(), 2u);
    const int first = open[0], second = open[1];
    tk::ui::testing::click(T(first));
    for (const double degrees : {0.0, 90.0, 135.0, 180.0, 270.0, 315.0}) {
        press(*window, onCircle(*window, first, 0, 2));
        ASSERT_EQ(QApplication::focusWidget(), T(first));
        press(*window, onCircle(*window, second, degrees, 2));
        EXPECT_EQ(QApplication::focusWidget(), T(second)) << degrees;
    }
    // Digits typed next land in the cell pressed, after what it holds.
    typeDigits(*window, "12");
    press(*window, onCircle(*window, second, 200, 1));
    typeDigits(*window, "3");
    EXPECT_EQ(text(second), "123");
    EXPECT_EQ(text(first), "");
    // The teal corners of a circle's square belong to no cell.
    const QPoint corner =
        window->client()->mapTo(window, window->Shape(first)->geometry().topLeft() + QPoint(2, 2));
    press(*window, corner);
    EXPECT_EQ(QApplication::focusWidget(), T(second));
}

TEST_F(Caret, ArrowKeysGoToTheNeighbourPassingOverRedCellsUnderARingAndEscClosesTheInstructions) {
    // Givens 1, 2, 6, 10, 12, 13, 14:        1
    //                                      2   3
    //                                    4   5   6
    //                                  7   8   9   10
    //                               11  12  13  14  15
    std::vector<double> draws(5, 0.5);
    for (int cell : {12, 13, 14, 2, 6, 10, 1, 1, 1, 1})
        draws.push_back((cell - 1) / 15.0 + 0.01);
    tk::ScriptedRandom scripted(draws);
    ui::frmGame w({scripted, clock, sound, messages});
    w.showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.mnuNew_Click(0);
    for (int n = 1; n <= 15; ++n)
        ASSERT_EQ(w.T(n)->isReadOnly(),
                  n == 1 || n == 2 || n == 6 || n == 10 || n == 12 || n == 13 || n == 14)
            << n;
    const tk::ui::Shape* ring = w.board().caretRing();
    EXPECT_FALSE(ring->isVisible()) << "no cell has the caret yet";

    tk::ui::testing::click(w.T(11));
    struct Step {
        Qt::Key key;
        int to;
        const char* why;
    };
    for (const Step& s : {
             Step{Qt::Key_Right, 15, "along the row, over three givens"},
             Step{Qt::Key_Right, 15, "the end of the row"},
             Step{Qt::Key_Left, 11, "back along the row"},
             Step{Qt::Key_Up, 7, "the only cell above"},
             Step{Qt::Key_Down, 11, "back down"},
             Step{Qt::Key_Up, 7, "up again"},
             Step{Qt::Key_Up, 4, "on up the left edge"},
             Step{Qt::Key_Up, 4, "only givens above"},
             Step{Qt::Key_Right, 5, "along the middle row"},
             Step{Qt::Key_Down, 8, "two cells below: the left one, from the middle line"},
             Step{Qt::Key_Up, 5, "back up to where the run began"},
             Step{Qt::Key_Right, 5, "a given to the right, then the edge"},
             Step{Qt::Key_Down, 8, "down again"},
             Step{Qt::Key_Down, 8, "only givens below"},
             Step{Qt::Key_Right, 9, "along the row"},
             Step{Qt::Key_Right, 9, "a given, then the edge"},
             Step{Qt::Key_Down, 9, "givens below, and no row after them"},
             Step{Qt::Key_Up, 5, "the cell above that is not a given"},
         }) {
        key(w, s.key);
        ASSERT_EQ(QApplication::focusWidget(), w.T(s.to)) << s.why;
        EXPECT_TRUE(ring->isVisible()) << s.why;
        EXPECT_EQ(ring->geometry(), w.Shape(s.to)->geometry()) << s.why;
    }
    // From the bottom right corner up over two givens.
    tk::ui::testing::click(w.T(15));
    key(w, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), w.T(3));
    // Typing goes on where the arrows left the caret; the ring leaves the board with the focus.
    typeDigits(w, "4");
    EXPECT_EQ(w.T(3)->text(), "4");
    EXPECT_EQ(ring->geometry(), w.Shape(3)->geometry());
    ui::frmGameTesting(w).Command1()->setFocus();
    EXPECT_FALSE(ring->isVisible());
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(w.Shape(n)->fillColour(), QColor(255, 255, 255)) << n;

    bool closed = false;
    QTimer::singleShot(0, &w, [&] {
        ui::frmAbout* about = w.about();
        ASSERT_NE(about, nullptr);
        // The window may be gone by the time the key has been handled: watch its unloading instead.
        QSignalSpy unloaded(about, &tk::ui::Window::unloaded);
        QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
        closed = unloaded.count() == 1;
    });
    ui::frmGameTesting(w).mnuinfo()->trigger();
    EXPECT_TRUE(closed);
}

} // namespace
} // namespace cestaro::test
