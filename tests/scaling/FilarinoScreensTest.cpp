// SPDX-License-Identifier: GPL-3.0-or-later
// filarino on a scaled screen: every control in the same logical place as on a plain screen, painted crisply,
// and the hand cursor at its usual size.
#include "filarino/tests/ui/ExerciseWindowTesting.h"
#include "filarino/tests/ui/FilarinoFixture.h"
#include "filarino/tests/ui/FrmInizioPiuTesting.h"
#include "filarino/ui/HandCursor.h"
#include "tests/scaling/ProgramScreens.h"
#include "tests/scaling/RatioImages.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/testing/MouseDriver.h"

#include <QComboBox>
#include <QTest>
#include <cmath>
#include <functional>

namespace filarino::test {
namespace {

using namespace tk::ui::testing;

class FilarinoScreens : public FilarinoFixture {
protected:
    // Shows `look` each window as the pupil meets it: the start window; each exercise window in the middle
    // of a drag and after a right answer, when portraits stand in place of the dots.
    void visitWindows(const std::function<void(QWidget*)>& look) {
        modulo.SuonoIniziale = true;
        shell->loadForm1();
        ui::FrmInizioPiu* start = shell->frmInizioPiu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
        // Still portraits, whatever the time between looks.
        const ui::FrmInizioPiuTesting startView(*start);
        for (QTimer* timer : {&startView.Timer1(), &startView.Timer2(), &startView.Timer3()})
            timer->stop();
        look(start);
        for (int exercise : {0, 1}) {
            ui::FrmInizioPiuTesting(*shell->frmInizioPiu()).Combo1()->setCurrentIndex(exercise);
            shell->frmInizioPiu()->Command4_Click();
            settle();
            ui::ExerciseWindow* window = shell->exerciseWindow();
            ASSERT_TRUE(window && QTest::qWaitForWindowExposed(window));
            const ui::ExerciseWindowTesting view(*window);
            click(view.CmdOperazione());
            const Exercise& sums = window->exercise();
            dragKey(window, sums.PalliniPerRiga(), view.LblNumero1(), [&] { look(window); });
            dragKey(window, sums.NumeroRighe(), view.LblNumero2(), [] {});
            click(view.CmdVerifica());
            view.Timer1().stop();
            look(window);
            window->CmdFine_Click();
            settle();
        }
    }

    // Drags keypad key `value` onto `box`, running `whileOver` while the drag's outline is over the box.
    static void dragKey(ui::ExerciseWindow* window, int value, QWidget* box,
                        const std::function<void()>& whileOver) {
        tk::ui::Label* key = window->keys()[static_cast<std::size_t>(value - 1)];
        press(key, {5, 5});
        moveTo(box, box->rect().center());
        whileOver();
        release(box, box->rect().center());
    }
};

TEST_F(FilarinoScreens, ControlsKeepTheirLogicalPlaces) {
    scaling::expectLayoutAsAtScaleOne([this](const auto& look) { visitWindows(look); });
}

TEST_F(FilarinoScreens, WindowsPaintCrisply) {
    scaling::expectCrispWindows([this](const auto& look) { visitWindows(look); });
}

TEST_F(FilarinoScreens, HandCursorKeepsItsSize) {
    const qreal ratio = scaling::screenRatio();
    const QCursor hand = ui::handCursor();
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32) * ratio);
    EXPECT_EQ(hand.pixmap().deviceIndependentSize(), QSizeF(32, 32));
    // The finger's tip, in the enlarged picture's pixels.
    EXPECT_EQ(hand.hotSpot(), QPoint(static_cast<int>(std::lround(4 * ratio)), 0));
}

} // namespace
} // namespace filarino::test
