// SPDX-License-Identifier: GPL-3.0-or-later
// The start window and its backdrop: opening, the start sound, the list, the range buttons, quitting,
// the portrait animation and the credits.
#include "filarino/tests/ui/FilarinoFixture.h"
#include "filarino/tests/ui/FrmInizioPiuTesting.h"
#include "filarino/ui/Form1.h"
#include "filarino/ui/Form11.h"
#include "filarino/ui/Form12.h"
#include "toolkit/core/Contact.h"
#include "toolkit/core/testing/ScriptedRandom.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/testing/MouseDriver.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace filarino::test {
namespace {

using StartWindow = FilarinoFixture;

TEST_F(StartWindow, OpensCentredOnTheGreenBackdropWithTheStartSoundOnce) {
    shell->loadForm1();
    ASSERT_NE(shell->form1(), nullptr);
    ASSERT_NE(shell->frmInizioPiu(), nullptr);
    ui::FrmInizioPiu& start = *shell->frmInizioPiu();
    EXPECT_TRUE(shell->form1()->isVisible());
    EXPECT_EQ(shell->form1()->geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_TRUE(start.isVisible());
    EXPECT_EQ(start.windowTitle(), "FILARINO");
    EXPECT_EQ(start.client()->size(), QSize(792, 554));
    EXPECT_EQ(start.parentWidget(), shell->form1()); // kept in front of its backdrop
    EXPECT_EQ(sound.ids(), std::vector<int>{114});
    EXPECT_EQ(sound.played[0].mode, tk::ui::PlayMode::Async);
    EXPECT_TRUE(modulo.SuonoIniziale);

    // Reopened in the same run: no sound.
    start.Command9_Click();
    settle();
    shell->loadForm1();
    EXPECT_EQ(sound.ids(), std::vector<int>{114});
}

TEST_F(StartWindow, ListIsRefilledWithItemZeroSelectedAtEveryOpening) {
    for (int opening = 0; opening < 3; ++opening) {
        shell->loadForm1();
        QComboBox* list = ui::FrmInizioPiuTesting(*shell->frmInizioPiu()).Combo1();
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->itemText(0), "Dallo filarino all'operazione");
        EXPECT_EQ(list->itemText(1), "Dallo filarino alla tavola pitagorica");
        EXPECT_EQ(list->currentIndex(), 0);
        list->setCurrentIndex(1);
        shell->frmInizioPiu()->Command4_Click();
        settle();
        EXPECT_EQ(shell->frmInizioPiu(), nullptr);
        shell->unloadForm12();
        settle();
    }
}

TEST_F(StartWindow, RangeButtonsStoreTheRangeAndOpenTheChosenBackdrop) {
    struct Case {
        void (ui::FrmInizioPiu::*click)();
        int item, min, max;
    };
    for (const Case& c :
         {Case{&ui::FrmInizioPiu::Command1_Click, 0, 1, 4}, Case{&ui::FrmInizioPiu::Command2_Click, 1, 4, 7},
          Case{&ui::FrmInizioPiu::Command3_Click, 0, 6, 10},
          Case{&ui::FrmInizioPiu::Command4_Click, 1, 1, 10}}) {
        shell->loadForm1();
        ui::FrmInizioPiu* start = shell->frmInizioPiu();
        ui::FrmInizioPiuTesting(*start).Combo1()->setCurrentIndex(c.item);
        (start->*c.click)();
        settle();
        EXPECT_EQ(modulo.NumeroMinimo, c.min);
        EXPECT_EQ(modulo.NumeroMassimo, c.max);
        EXPECT_EQ(shell->frmInizioPiu(), nullptr);
        EXPECT_EQ(shell->form1(), nullptr);
        if (c.item == 0) {
            ASSERT_NE(shell->form11(), nullptr);
            EXPECT_EQ(shell->form12(), nullptr);
            EXPECT_EQ(shell->form11()->palette().color(QPalette::Window), QColor(255, 255, 192));
            shell->unloadForm11();
        } else {
            ASSERT_NE(shell->form12(), nullptr);
            EXPECT_EQ(shell->form11(), nullptr);
            EXPECT_EQ(shell->form12()->palette().color(QPalette::Window), QColor(255, 192, 255));
            shell->unloadForm12();
        }
        settle();
        ended->clear();
    }
}

enum class Way { CloseBox, EsciButton };

class StartWindowClosing : public StartWindow, public ::testing::WithParamInterface<Way> {};

INSTANTIATE_TEST_SUITE_P(Ways, StartWindowClosing, ::testing::Values(Way::CloseBox, Way::EsciButton),
                         [](const ::testing::TestParamInfo<Way>& info) {
                             return std::string(info.param == Way::CloseBox ? "CloseBox" : "EsciButton");
                         });

TEST_P(StartWindowClosing, EndsTheProgramWithNothingLeftOpen) {
    shell->loadForm1();
    if (GetParam() == Way::CloseBox)
        shell->frmInizioPiu()->close();
    else
        shell->frmInizioPiu()->Command9_Click();
    settle();
    EXPECT_FALSE(shell->anyWindowLoaded());
    EXPECT_EQ(ended->count(), 1);
}

TEST_F(StartWindow, MenuEsciEndsAtOnceWithoutClosingHandlers) {
    shell->loadForm1();
    shell->frmInizioPiu()->MnuEsci_Click();
    EXPECT_EQ(ended->count(), 1);
    EXPECT_NE(shell->frmInizioPiu(), nullptr); // nothing was unloaded on the way out
}

TEST_F(StartWindow, BlankedPortraitStaysEmptyRightAfterItsNewPortrait) {
    // One value per portrait drawn at load, so that the values pushed below are the next ones drawn.
    tk::ScriptedRandom scripted(std::vector<double>(12, 0.5));
    ui::Shell scriptedShell(modulo, {scripted, clock, sound, messages});
    modulo.SuonoIniziale = true;
    scriptedShell.loadForm1();
    ui::FrmInizioPiu& start = *scriptedShell.frmInizioPiu();
    const ui::FrmInizioPiuTesting view(start);
    for (int k = 0; k <= 11; ++k)
        EXPECT_FALSE(view.Image2()[k]->isEmpty()) << k;
    // Four portraits at r = 0.5, then the blanking index 11 x (3/11) = 3.
    for (double r : {0.5, 0.5, 0.5, 0.5, 3.0 / 11})
        scripted.push(r);
    const std::size_t before = scripted.drawn();
    start.Timer1_Timer();
    EXPECT_EQ(scripted.drawn(), before + 5);
    EXPECT_TRUE(view.Image2()[3]->isEmpty());
    EXPECT_FALSE(view.Image2()[0]->isEmpty());
    EXPECT_EQ(view.Image2()[0]->pictureId(), 150);
    // Timer2 refills only its own four.
    start.Timer2_Timer();
    EXPECT_TRUE(view.Image2()[3]->isEmpty());
    start.Timer1_Timer();
    scriptedShell.unloadForm1();
    settle();
}

TEST_F(StartWindow, LayoutFollowsTheTable) {
    shell->loadForm1();
    ui::FrmInizioPiu& start = *shell->frmInizioPiu();
    const ui::FrmInizioPiuTesting view(start);
    EXPECT_EQ(view.Command1()->geometry(), QRect(12, 90, 206, 47));
    EXPECT_EQ(view.Command9()->text(), "E S C I");
    EXPECT_EQ(view.Command9()->face(), QColor(255, 224, 192));
    EXPECT_EQ(view.Command3()->face(), QColor(255, 255, 128));
    EXPECT_EQ(view.Command1()->cursor().hotSpot(), QPoint(4, 0));
    EXPECT_EQ(view.Frame1()->geometry(), QRect(327, 189, 449, 295));
    EXPECT_EQ(view.Label4()->caption(), "FILARINO ");
    EXPECT_EQ(view.Label4()->font().pixelSize(), 48);
    EXPECT_EQ(view.Label3()->caption(), " Ideazione, progettazione e realizzazione:");
    EXPECT_EQ(view.Image2()[9]->mapTo(start.client(), QPoint()), QPoint(52, 234));
    EXPECT_EQ(view.Image2()[0]->size(), QSize(32, 32));
    EXPECT_EQ(view.Timer1().interval(), 500);
    EXPECT_EQ(view.Timer2().interval(), 800);
    EXPECT_EQ(view.Timer3().interval(), 1000);
    EXPECT_TRUE(view.Timer1().isActive());
    EXPECT_EQ(start.nextInFocusChain(), start.nextInFocusChain()); // focus chain exists
    EXPECT_EQ(view.Combo1()->nextInFocusChain(), view.Command2());
}

TEST_F(StartWindow, AutoreShowsTheCreditsInAnInformationBox) {
    shell->loadForm1();
    shell->frmInizioPiu()->mnuAutore_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    const auto& box = messages.shown[0];
    EXPECT_EQ(box.icon, tk::ui::MessageIcon::Information);
    EXPECT_EQ(box.title, box.title.toUpper());
    const QStringList lines = box.text.split("\r\n");
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[2].isEmpty() && lines[3].isEmpty() && lines[4].isEmpty());
    EXPECT_EQ(lines[5], "Per contattare l'autore:");
    EXPECT_NE(shell->frmInizioPiu(), nullptr);
}

// The credits once named an invented author and addresses that looked real.
TEST_F(StartWindow, TheCreditsNameTheProjectsOwnContactDetails) {
    shell->loadForm1();
    ui::FrmInizioPiu* start = shell->frmInizioPiu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    tk::ui::testing::click(
        start->menuBar(),
        start->menuBar()->actionGeometry(ui::FrmInizioPiuTesting(*start).mnuAutore()).center());
    ASSERT_EQ(messages.shown.size(), 1u);
    const auto& box = messages.shown[0];
    EXPECT_EQ(box.title, QString(tk::contact::kWebDomain).toUpper());
    const QStringList lines = box.text.split("\r\n");
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[0].contains(tk::contact::kName));
    EXPECT_TRUE(lines[1].contains(tk::contact::kName));
    EXPECT_EQ(lines[6], tk::contact::kWebAddress);
    EXPECT_EQ(lines[7], tk::contact::kEmail);
    EXPECT_TRUE(QString(tk::contact::kWebAddress).contains(tk::contact::kWebDomain));
}

TEST_F(StartWindow, BackdropClickBringsTheStartWindowBack) {
    shell->loadForm1();
    ui::FrmInizioPiu* start = shell->frmInizioPiu();
    start->hide();
    emit shell->form1()->clicked();
    EXPECT_EQ(shell->frmInizioPiu(), start); // shown again, not opened twice
    EXPECT_TRUE(start->isVisible());
}

} // namespace
} // namespace filarino::test
