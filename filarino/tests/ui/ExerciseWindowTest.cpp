// SPDX-License-Identifier: GPL-3.0-or-later
// The two exercise windows, driven through their handlers and real mouse events: opening, dragging keys into
// the boxes, the verdicts, flashing, the times-table ending and the way back to the start window.
#include "filarino/tests/ui/FilarinoFixture.h"
#include "filarino/tests/ui/FrmInizioPiuTesting.h"
#include "filarino/tests/ui/frmTabellinaTesting.h"
#include "filarino/ui/FrmFilarino.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/testing/MouseDriver.h"
#include "toolkit/ui/testing/TimedClicks.h"

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QStyleHints>
#include <deque>

namespace filarino::test {
namespace {

using namespace tk::ui::testing;
using tk::ui::Label;

// Gives the values queued by the test, then 0.5: a stray draw cannot shift the values meant for a later step.
class QueuedRandom final : public tk::Random {
public:
    double next() override {
        if (queue.empty()) return 0.5;
        const double value = queue.front();
        queue.pop_front();
        return value;
    }
    void mix(double) override {}
    std::deque<double> queue;
};

// Over the range 1 to 10, r = 0.25 gives 3 and r = 0.35 gives 4.
constexpr double kThree = 0.25, kFour = 0.35, kTen = 0.95;

enum class Kind { Operation, TimesTable };

class ExerciseWindowTest : public FilarinoFixture {
protected:
    void SetUp() override {
        shell = std::make_unique<ui::Shell>(modulo, tk::ui::Services{queued, clock, sound, messages});
        ended = std::make_unique<QSignalSpy>(shell.get(), &ui::Shell::ended);
        modulo.SuonoIniziale = true; // keep the start sound out of the recordings
    }

    // Chooses the exercise and the range 1 to 10 in the start window, as the pupil does.
    ui::ExerciseWindow& open(Kind kind) {
        shell->loadForm1();
        ui::FrmInizioPiu* start = shell->frmInizioPiu();
        ui::FrmInizioPiuTesting(*start).Combo1()->setCurrentIndex(kind == Kind::Operation ? 0 : 1);
        start->Command4_Click();
        settle();
        ui::ExerciseWindow* window = shell->exerciseWindow();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }

    // "Nuovo filarino" with the given dots per row and rows.
    void newArray(ui::ExerciseWindow& window, double perRow, double rows) {
        queued.queue = {perRow, rows};
        click(ui::ExerciseWindowTesting(window).CmdOperazione());
    }

    static Label* key(ui::ExerciseWindow& window, int value) { return window.keys()[value - 1]; }

    // Presses a key, moves over each widget in turn and releases over the last.
    static void drag(Label* from, std::initializer_list<QWidget*> over) {
        press(from, {5, 5});
        QWidget* last = from;
        for (QWidget* target : over) {
            moveTo(target, target->rect().center());
            last = target;
        }
        release(last, last->rect().center());
    }

    // Answers with a drag of each key over its own box only.
    static void answer(ui::ExerciseWindow& window, int first, int second) {
        const ui::ExerciseWindowTesting view(window);
        drag(key(window, first), {view.LblNumero1()});
        drag(key(window, second), {view.LblNumero2()});
    }

    QueuedRandom queued;
};

// What differs between the two exercise windows.
struct WindowCase {
    const char* name;
    Kind kind;
    QString caption;
    QRect frame1, box, verifica, operazione;
    bool autore;                   // the menu has "Autore"
    QColor verificaAfterFirstTick; // the check button's face blinks from its first face to this one
};

class EachExerciseWindow : public ExerciseWindowTest, public ::testing::WithParamInterface<WindowCase> {};

INSTANTIATE_TEST_SUITE_P(
    Windows, EachExerciseWindow,
    ::testing::Values(WindowCase{"Operation", Kind::Operation, "  DALLO FILARINO ALL'OPERAZIONE",
                                 QRect(389, 58, 399, 152), QRect(15, 46, 107, 89), QRect(399, 499, 251, 33),
                                 QRect(401, 499, 250, 33), false, QColor(255, 255, 192)},
                      WindowCase{"TimesTable", Kind::TimesTable, "DALLO FILARINO ALLE TABELLINE",
                                 QRect(389, 59, 400, 152), QRect(9, 45, 83, 81), QRect(399, 502, 251, 33),
                                 QRect(405, 502, 245, 33), true, QColor(192, 192, 0)}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

TEST_P(EachExerciseWindow, OpeningClosesTheStartWindowAndWaitsForTheFirstArray) {
    const Kind kind = GetParam().kind;
    modulo.NumEsatte = 5; // left over from an earlier series
    ui::ExerciseWindow& window = open(kind);
    const ui::ExerciseWindowTesting view(window);
    EXPECT_EQ(shell->frmInizioPiu(), nullptr);
    EXPECT_EQ(shell->form1(), nullptr);
    EXPECT_EQ(window.parentWidget(), kind == Kind::Operation ? static_cast<QWidget*>(shell->form11())
                                                             : static_cast<QWidget*>(shell->form12()));
    EXPECT_EQ(modulo.NumEsatte, 0);
    EXPECT_EQ(view.Label18()->caption(), "  FILARINO DA  1 a 10");
    EXPECT_EQ(view.LblIstruzione()->caption(), "Clicca il pulsante \"Nuovo filarino\"");
    EXPECT_EQ(view.LblEsito()->caption(), " ");
    for (QWidget* shown : {static_cast<QWidget*>(view.CmdOperazione()), static_cast<QWidget*>(view.CmdFine()),
                           static_cast<QWidget*>(view.Image2()), static_cast<QWidget*>(key(window, 10))})
        EXPECT_TRUE(shown->isVisible());
    for (QWidget* hidden :
         {static_cast<QWidget*>(view.LblNumero1()), static_cast<QWidget*>(view.LblNumero2()),
          static_cast<QWidget*>(view.LblPer()), static_cast<QWidget*>(view.LblVolte()),
          static_cast<QWidget*>(view.Label3()), static_cast<QWidget*>(view.CmdVerifica())})
        EXPECT_FALSE(hidden->isVisible());
    EXPECT_FALSE(view.Timer1().isActive());
    EXPECT_FALSE(view.Image2()->isEmpty()); // the hint arrow

    // Before the first array the keys do not drag and nothing fills.
    drag(key(window, 3), {view.Frame1()});
    EXPECT_FALSE(window.keypadDrag().outline() && window.keypadDrag().outline()->isVisible());
    EXPECT_EQ(window.exercise().state(), Exercise::State::Waiting);
}

TEST_F(ExerciseWindowTest, DragOverTheFirstBoxOnToTheSecondFillsBothAndOffersTheCheck) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    EXPECT_TRUE(view.LblNumero1()->isVisible());
    EXPECT_TRUE(window.keypadDrag().isEnabled());

    drag(key(window, 7), {view.LblNumero1(), view.LblNumero2()});
    EXPECT_EQ(view.LblNumero1()->caption(), "7");
    EXPECT_EQ(view.LblNumero2()->caption(), "7");
    EXPECT_TRUE(view.CmdVerifica()->isVisible());
    EXPECT_FALSE(view.CmdOperazione()->isVisible());

    // A later drag replaces a box and the check stays offered.
    drag(key(window, 10), {view.LblNumero1()});
    EXPECT_EQ(view.LblNumero1()->caption(), "10");
    EXPECT_TRUE(view.CmdVerifica()->isVisible());
}

TEST_F(ExerciseWindowTest, SecondBoxRefusesKeysUntilTheFirstIsFilled) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    drag(key(window, 4), {view.LblNumero2()});
    EXPECT_EQ(view.LblNumero2()->caption(), "");
    EXPECT_FALSE(view.CmdVerifica()->isVisible());
    drag(key(window, 3), {view.LblNumero1()});
    EXPECT_FALSE(view.CmdVerifica()->isVisible());
    drag(key(window, 4), {view.LblNumero2()});
    EXPECT_TRUE(view.CmdVerifica()->isVisible());
}

TEST_F(ExerciseWindowTest, RightAnswerShowsPortraitsVerdictAndTable) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    answer(window, 3, 4);
    clock.advance(8.6);
    // The verdict's sound at r = 0.5 is 108 + 3; then one portrait per dot.
    queued.queue = {0.5};
    for (int i = 0; i < 12; ++i)
        queued.queue.push_back(i / 99.0);
    click(view.CmdVerifica());

    EXPECT_EQ(view.LblEsito()->caption(), "E s a t t o");
    EXPECT_EQ(sound.ids(), std::vector<int>{111});
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(view.Shape1()[i]->isVisible()) << i;
        EXPECT_TRUE(view.Image1()[i]->isVisible()) << i;
        EXPECT_EQ(view.Image1()[i]->pictureId(), 100 + i) << i;
        EXPECT_FALSE(view.Image1()[i]->isEmpty()) << i;
    }
    EXPECT_EQ(view.lblOperazione()->caption(), "1");
    EXPECT_EQ(view.lblRisEsatte()->caption(), "1");
    EXPECT_EQ(view.lblRisErrate()->caption(), ""); // shown only once it changes
    EXPECT_EQ(view.lblTempoParziale()->caption(), " 8");
    EXPECT_EQ(view.lblTempoTotale()->caption(), " 8");
    EXPECT_TRUE(view.CmdOperazione()->isVisible());
    EXPECT_FALSE(view.CmdVerifica()->isVisible());
    EXPECT_EQ(view.LblIstruzione()->caption(), "Clicca il pulsante \"Nuovo filarino\"");
    EXPECT_FALSE(view.Timer1().isActive());
    EXPECT_FALSE(window.keypadDrag().isEnabled());

    // The next array takes the portraits away with the old dots.
    newArray(window, 0.0, 0.0);
    EXPECT_EQ(view.Shape1().upperBound(), 2);
    EXPECT_EQ(view.Image1().upperBound(), 2);
    EXPECT_FALSE(view.Image1()[1]->isVisible());
    EXPECT_TRUE(view.Shape1()[1]->isVisible());
    EXPECT_EQ(view.lblOperazione()->caption(), "2");

    // A larger array after a flashing one: every dot starts in the first colours, with no portrait showing.
    window.Timer1_Timer();
    ASSERT_NE(view.Shape1()[1]->fillColour(), view.Shape1()[0]->fillColour());
    answer(window, 1, 1);
    queued.queue = {0.5, 0.0};
    click(view.CmdVerifica());
    newArray(window, kThree, kFour);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_TRUE(view.Shape1()[i]->isVisible()) << i;
        EXPECT_EQ(view.Shape1()[i]->fillColour(), view.Shape1()[0]->fillColour()) << i;
        EXPECT_EQ(view.Shape1()[i]->borderColour(), view.Shape1()[0]->borderColour()) << i;
        EXPECT_FALSE(view.Image1()[i]->isVisible()) << i;
    }
    EXPECT_EQ(view.Shape1().upperBound(), 13);
}

TEST_F(ExerciseWindowTest, WrongAnswerKeepsTheDotsInTheirLastColours) {
    ui::ExerciseWindow& window = open(Kind::TimesTable);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    window.Timer1_Timer();
    const QColor fill = view.Shape1()[5]->fillColour();
    answer(window, 4, 3); // transposed
    queued.queue = {0.0};
    click(view.CmdVerifica());

    EXPECT_EQ(view.LblEsito()->caption(), "E r r a t o");
    EXPECT_EQ(sound.ids(), std::vector<int>{102});
    EXPECT_TRUE(view.Shape1()[5]->isVisible());
    EXPECT_FALSE(view.Image1()[5]->isVisible());
    EXPECT_EQ(view.Shape1()[5]->fillColour(), fill);
    EXPECT_FALSE(view.Timer1().isActive());
    EXPECT_EQ(view.lblRisEsatte()->caption(), "");
    EXPECT_EQ(view.lblRisErrate()->caption(), "1");
    const ui::frmTabellinaTesting tables(static_cast<ui::frmTabellina&>(window));
    EXPECT_EQ(tables.LblVolte()->caption(), "volte");
    EXPECT_FALSE(tables.lblRisultato()->isVisible());
}

TEST_F(ExerciseWindowTest, TimesTableRightAnswerReadsThreeTimesFourMakesTwelve) {
    auto& window = static_cast<ui::frmTabellina&>(open(Kind::TimesTable));
    const ui::frmTabellinaTesting view(window);
    EXPECT_FALSE(view.lblRisultato()->isVisible());
    newArray(window, kThree, kFour);
    answer(window, 3, 4);
    click(view.CmdVerifica());
    EXPECT_EQ(view.LblNumero1()->caption(), "3");
    EXPECT_EQ(view.LblPer()->caption(), "x");
    EXPECT_EQ(view.LblNumero2()->caption(), "4");
    EXPECT_EQ(view.LblVolte()->caption(), "fa");
    EXPECT_TRUE(view.lblRisultato()->isVisible());
    EXPECT_EQ(view.lblRisultato()->caption(), "12");

    newArray(window, kTen, kTen);
    EXPECT_EQ(view.LblVolte()->caption(), "volte");
    EXPECT_FALSE(view.lblRisultato()->isVisible());
    answer(window, 10, 10);
    click(view.CmdVerifica());
    EXPECT_EQ(view.lblRisultato()->caption(), "100");
}

TEST_F(ExerciseWindowTest, TenAndHundredAreReadInFullInTheNarrowBoxes) {
    auto& window = static_cast<ui::frmTabellina&>(open(Kind::TimesTable));
    const ui::frmTabellinaTesting view(window);
    newArray(window, kTen, kTen);
    answer(window, 10, 10);
    click(view.CmdVerifica());
    for (Label* box : {view.LblNumero1(), view.LblNumero2(), view.lblRisultato()}) {
        const int inner = box->width() - 4;
        EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(box->caption()), inner)
            << box->caption().toStdString();
    }
    // A single digit keeps the full 60 pt size.
    newArray(window, kThree, kFour);
    answer(window, 3, 4);
    EXPECT_EQ(view.LblNumero1()->font().pixelSize(), 80);
}

TEST_F(ExerciseWindowTest, SecondCheckClickQueuedDuringTheVerdictSoundIsNotJudged) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    answer(window, 3, 4);
    // The pupil clicks again while the first click's sound starts: the click waits in the queue.
    const QPoint centre = view.CmdVerifica()->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            view.CmdVerifica(),
            new QMouseEvent(type, centre, view.CmdVerifica()->mapToGlobal(centre), Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
    window.CmdVerifica_Click();
    settle();
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(modulo.NumEsatte, 1);
    EXPECT_EQ(modulo.NumErrate, 0);
    EXPECT_EQ(view.lblRisEsatte()->caption(), "1");
    EXPECT_EQ(view.lblRisErrate()->caption(), "");
    EXPECT_TRUE(view.CmdOperazione()->isVisible());
}

TEST_F(ExerciseWindowTest, WindowClosedWhileTheVerdictSoundYieldsIsLeftAlone) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    answer(window, 3, 4);
    // The close box is clicked while the sound starts, and the window is destroyed before the handler goes
    // on.
    QTimer::singleShot(0, &window, [&window] {
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    window.CmdVerifica_Click();
    settle();
    EXPECT_EQ(shell->exerciseWindow(), nullptr);
    EXPECT_NE(shell->frmInizioPiu(), nullptr);
    EXPECT_EQ(modulo.NumEsatte, 1);
}

enum class Way { CloseBox, EsciButton, EsciMenu };

struct ClosingCase {
    const char* name;
    Kind kind;
    Way way;
};

class ClosingAnExerciseWindow : public ExerciseWindowTest,
                                public ::testing::WithParamInterface<ClosingCase> {};

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingAnExerciseWindow,
    ::testing::Values(ClosingCase{"OperationByCloseBox", Kind::Operation, Way::CloseBox},
                      ClosingCase{"OperationByEsciButton", Kind::Operation, Way::EsciButton},
                      ClosingCase{"TimesTableByEsciMenu", Kind::TimesTable, Way::EsciMenu},
                      ClosingCase{"TimesTableByEsciButton", Kind::TimesTable, Way::EsciButton}),
    [](const ::testing::TestParamInfo<ClosingCase>& info) { return std::string(info.param.name); });

TEST_P(ClosingAnExerciseWindow, DuringAnExerciseReturnsToTheStartWindowWithoutCountingIt) {
    ui::ExerciseWindow& window = open(GetParam().kind);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    drag(key(window, 3), {view.LblNumero1()});
    switch (GetParam().way) {
    case Way::CloseBox:
        window.close();
        break;
    case Way::EsciMenu:
        view.MnuEsci()->trigger();
        break;
    case Way::EsciButton:
        click(view.CmdFine());
        break;
    }
    settle();
    EXPECT_EQ(shell->exerciseWindow(), nullptr);
    EXPECT_EQ(shell->form11(), nullptr);
    EXPECT_EQ(shell->form12(), nullptr);
    ASSERT_NE(shell->frmInizioPiu(), nullptr);
    EXPECT_TRUE(shell->frmInizioPiu()->isVisible());
    EXPECT_TRUE(shell->form1()->isVisible());
    EXPECT_EQ(modulo.NumOperazioni, 1);
    EXPECT_EQ(modulo.NumEsatte + modulo.NumErrate, 0);
    EXPECT_EQ(ended->count(), 0);
    EXPECT_TRUE(sound.played.empty());
    // No yellow or pink backdrop is left behind the start window.
    int visibleWindows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        visibleWindows += top->isVisible() ? 1 : 0;
    EXPECT_EQ(visibleWindows, 2);
}

TEST_P(EachExerciseWindow, TimerFlashesEveryDotAndBlinksTheCheckButton) {
    ui::ExerciseWindow& window = open(GetParam().kind);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kTen, kTen);
    EXPECT_TRUE(view.Timer1().isActive());
    EXPECT_EQ(view.Timer1().interval(), 200);
    // Border then fill, red, green and blue each: 255 r.
    queued.queue.clear();
    for (int i = 0; i < 100 * 6; ++i)
        queued.queue.push_back(i % 6 / 5.0);
    window.Timer1_Timer();
    EXPECT_EQ(view.CmdVerifica()->face(), GetParam().verificaAfterFirstTick);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_EQ(view.Shape1()[i]->borderColour(), QColor(0, 51, 102)) << i;
        EXPECT_EQ(view.Shape1()[i]->fillColour(), QColor(153, 204, 255)) << i;
    }
    window.Timer1_Timer();
    EXPECT_NE(view.CmdVerifica()->face(), GetParam().verificaAfterFirstTick);
}

TEST_F(ExerciseWindowTest, TenRowsOfTenDotsStandInTheFrameEachAboveItsRuledLine) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kTen, kTen);
    ASSERT_EQ(window.exercise().dotCount(), 100);
    EXPECT_EQ(view.Shape1().upperBound(), 101);
    for (int i = 1; i <= 100; ++i) {
        const int row = (i - 1) / 10, column = (i - 1) % 10;
        const QRect dot = view.Shape1()[i]->geometry();
        EXPECT_EQ(dot.topLeft(), QPoint(12 + 36 * column, 14 + 37 * row)) << i;
        EXPECT_EQ(dot.size(), QSize(26, 26));
        const int lineY = 46 + 37 * row;
        EXPECT_LT(dot.bottom(), lineY) << i;
        EXPECT_GT(dot.bottom(), lineY - 37) << i;
        EXPECT_TRUE(view.Frame4()->rect().contains(dot)) << i;
        EXPECT_TRUE(view.Image1()[i]->geometry().contains(dot)) << i;
    }
}

TEST_P(EachExerciseWindow, ControlsStandWhereEachWindowPutsThem) {
    const WindowCase& c = GetParam();
    ui::ExerciseWindow& window = open(c.kind);
    const ui::ExerciseWindowTesting view(window);
    EXPECT_EQ(window.windowTitle(), c.caption);
    EXPECT_EQ(window.client()->size(), QSize(792, 554));
    EXPECT_EQ(view.Frame1()->geometry(), c.frame1);
    EXPECT_EQ(view.LblNumero1()->geometry(), c.box);
    EXPECT_EQ(view.CmdVerifica()->geometry(), c.verifica);
    EXPECT_EQ(view.CmdOperazione()->geometry(), c.operazione);
    EXPECT_EQ(view.CmdOperazione()->face(), QColor(128, 255, 128));
    EXPECT_EQ(view.CmdFine()->cursor().hotSpot(), QPoint(4, 0));
    EXPECT_EQ(key(window, 10)->caption(), "10");
    EXPECT_EQ(key(window, 10)->mapTo(window.client(), QPoint()), QPoint(389 + 314, 223 + 73));
    EXPECT_EQ(view.lblTempoTotale()->toolTip(), "Secondi impiegati per ogni esercizio");
    EXPECT_EQ(view.frmElaborazione()->lineCount(), 4);
    EXPECT_EQ(view.Frame4()->lineCount(), 10);
    EXPECT_EQ(window.menuBar()->actions().size(), c.autore ? 3 : 2);
}

TEST_F(ExerciseWindowTest, ADoubleClickOnControllaKeepsTheVerdictInSight) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    for (const int gap : {30, 120, 300, interval + 200}) {
        newArray(window, kThree, kFour);
        answer(window, 3, 4);
        const int arrays = modulo.NumOperazioni;
        tk::ui::testing::TimedClicks clicks;
        clicks.click(view.CmdVerifica(), 0);
        ASSERT_EQ(view.LblEsito()->caption(), "E s a t t o");
        // "Nuovo filarino" has taken the place of "C o n t r o l l a" under the pointer.
        clicks.click(view.CmdOperazione(), 40 + gap);
        if (gap < interval) {
            EXPECT_EQ(view.LblEsito()->caption(), "E s a t t o") << gap << " ms";
            EXPECT_TRUE(view.Image1()[1]->isVisible()) << gap << " ms";
            EXPECT_EQ(modulo.NumOperazioni, arrays) << gap << " ms";
        } else {
            EXPECT_EQ(modulo.NumOperazioni, arrays + 1) << "a click past the interval starts the next array";
            EXPECT_EQ(view.LblEsito()->caption(), "");
        }
    }
}

TEST_F(ExerciseWindowTest, SpaceAfterAClickNeverPressesEsci) {
    ui::ExerciseWindow& window = open(Kind::TimesTable);
    const ui::ExerciseWindowTesting view(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy unloaded(&window, &tk::ui::Window::unloaded);
    // "Nuovo filarino" hides with nothing in its place; "C o n t r o l l a" gives way to "Nuovo filarino".
    click(view.CmdOperazione());
    EXPECT_EQ(window.focusWidget(), &window);
    QTest::keyClick(window.windowHandle(), Qt::Key_Space);
    ASSERT_EQ(unloaded.count(), 0);
    // Nor after a click on the backdrop has brought the window forward again.
    QTest::mouseClick(shell->form12()->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), Qt::Key_Space);
    ASSERT_EQ(unloaded.count(), 0);
    answer(window, 3, 4);
    click(view.CmdVerifica());
    EXPECT_EQ(window.focusWidget(), view.CmdOperazione());
    EXPECT_EQ(unloaded.count(), 0);
    EXPECT_EQ(shell->exerciseWindow(), &window);
}

TEST_F(ExerciseWindowTest, ACloseRequestToTheBackdropBringsTheExerciseWindowForward) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    window.showMinimized();
    // As Alt+F4 on the backdrop: the request comes through the window system.
    shell->form11()->windowHandle()->close();
    settle();
    ASSERT_NE(shell->form11(), nullptr);
    EXPECT_TRUE(shell->form11()->isVisible());
    EXPECT_EQ(shell->exerciseWindow(), &window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(window.exercise().state(), Exercise::State::AnsweringFirstEmpty);
    EXPECT_EQ(ended->count(), 0);
}

TEST_F(ExerciseWindowTest, BackdropClickBringsTheExerciseWindowBackAndAutoreShowsTheCredits) {
    auto& window = static_cast<ui::frmTabellina&>(open(Kind::TimesTable));
    const ui::frmTabellinaTesting view(window);
    window.hide();
    emit shell->form12()->clicked();
    EXPECT_EQ(shell->exerciseWindow(), &window); // shown again, not opened twice
    EXPECT_TRUE(window.isVisible());
    view.mnuAutore()->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, tk::ui::MessageIcon::Information);
}

// Without dragging: a key clicked stays marked until an answer box uses it, by the rules of a drag.
TEST_F(ExerciseWindowTest, AKeyClickedThenABoxClickedAnswersAsADragDoes) {
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    newArray(window, kThree, kFour);
    click(key(window, 4), {5, 5});
    EXPECT_EQ(view.markedKey(), key(window, 4));
    ASSERT_TRUE(view.keyMark()->isVisible());
    EXPECT_TRUE(view.keyMark()->geometry().contains(key(window, 4)->geometry()));
    EXPECT_FALSE(view.keyMark()->geometry().intersects(key(window, 5)->geometry()));
    click(view.LblNumero2(), {5, 5});
    EXPECT_EQ(view.LblNumero2()->caption(), "") << "the second box refuses before the first";
    EXPECT_EQ(view.markedKey(), key(window, 4));

    click(key(window, 3), {5, 5});
    click(view.LblNumero1(), {5, 5});
    EXPECT_EQ(view.LblNumero1()->caption(), "3");
    EXPECT_EQ(view.markedKey(), nullptr);
    EXPECT_FALSE(view.keyMark()->isVisible());
    click(view.LblNumero2(), {5, 5});
    EXPECT_EQ(view.LblNumero2()->caption(), "") << "a used key is not used again";
    EXPECT_FALSE(view.CmdVerifica()->isVisible());

    click(key(window, 4), {5, 5});
    click(view.LblNumero2(), {5, 5});
    EXPECT_EQ(view.LblNumero2()->caption(), "4");
    ASSERT_TRUE(view.CmdVerifica()->isVisible());
    click(view.CmdVerifica());
    EXPECT_EQ(view.LblEsito()->caption(), "E s a t t o");
    click(key(window, 5), {5, 5});
    EXPECT_EQ(view.markedKey(), nullptr) << "no key is taken once the answer is judged";
}

// From the keyboard alone: Tab reaches boxes and keys, digits fill the boxes, Backspace empties the last,
// Enter presses the green button in sight.
TEST_F(ExerciseWindowTest, TheKeyboardAloneAnswersChecksAndStartsTheNextArray) {
    ui::ExerciseWindow& window = open(Kind::TimesTable);
    const ui::ExerciseWindowTesting view(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWindow* handle = window.windowHandle();
    queued.queue = {kThree, kFour};
    QTest::keyClick(handle, Qt::Key_Return);
    EXPECT_EQ(modulo.NumOperazioni, 1) << "Enter pressed \"Nuovo filarino\"";

    QTest::keyClick(handle, Qt::Key_4);
    QTest::keyClick(handle, Qt::Key_0);
    EXPECT_EQ(view.LblNumero1()->caption(), "4");
    EXPECT_EQ(view.LblNumero2()->caption(), "10");
    QTest::keyClick(handle, Qt::Key_9);
    EXPECT_EQ(view.LblNumero2()->caption(), "10") << "both boxes full: a digit changes nothing";
    QTest::keyClick(handle, Qt::Key_Backspace);
    EXPECT_EQ(view.LblNumero2()->caption(), "");
    EXPECT_FALSE(view.CmdVerifica()->isVisible());
    QTest::keyClick(handle, Qt::Key_Backspace);
    EXPECT_EQ(view.LblNumero1()->caption(), "");

    // Space on a key reached with Tab marks it, Space on a box uses it.
    std::vector<QWidget*> reached;
    for (int step = 0; step < 20; ++step) {
        QTest::keyClick(handle, Qt::Key_Tab);
        reached.push_back(window.focusWidget());
    }
    for (QWidget* w : {static_cast<QWidget*>(view.LblNumero1()), static_cast<QWidget*>(key(window, 3)),
                       static_cast<QWidget*>(key(window, 10))})
        EXPECT_NE(std::find(reached.begin(), reached.end(), w), reached.end());
    key(window, 3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(handle, Qt::Key_Space);
    EXPECT_EQ(view.markedKey(), key(window, 3));
    view.LblNumero1()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(handle, Qt::Key_Space);
    EXPECT_EQ(view.LblNumero1()->caption(), "3");
    const QImage focused = view.LblNumero1()->grab().toImage();
    window.setFocus();
    EXPECT_NE(view.LblNumero1()->grab().toImage(), focused) << "the focus is drawn";

    QTest::keyClick(handle, Qt::Key_4);
    QTest::keyClick(handle, Qt::Key_Enter);
    EXPECT_EQ(view.LblEsito()->caption(), "E s a t t o");
    QTest::keyClick(handle, Qt::Key_Return);
    EXPECT_EQ(modulo.NumOperazioni, 2);
}

} // namespace
} // namespace filarino::test
