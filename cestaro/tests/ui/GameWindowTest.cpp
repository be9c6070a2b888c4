// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its layout, the glow before play, the level menu, the instructions and the ways out.
#include "cestaro/tests/ui/CestaroFixture.h"
#include "cestaro/tests/ui/frmAboutTesting.h"
#include "cestaro/ui/BoardView.h"
#include "toolkit/core/testing/ScriptedRandom.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Units.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace cestaro::test {
namespace {

using GameWindow = CestaroFixture;

const QColor kWhite(255, 255, 255);

void expectBoardColour(const ui::frmGame& w, QColor colour, const char* when) {
    for (int n = 1; n <= 15; ++n) {
        EXPECT_EQ(w.Shape(n)->fillColour(), colour) << when << " circle " << n;
        EXPECT_EQ(w.board().cellBackground(n), colour) << when << " cell " << n;
    }
}

TEST_F(GameWindow, LayoutFollowsTheTables) {
    EXPECT_EQ(window->windowTitle(), "LA CESTARO");
    EXPECT_EQ(window->client()->size(), QSize(592, 441));
    EXPECT_EQ(window->client()->background(), QColor(0, 128, 128));
    EXPECT_EQ(view().Shape18()->geometry(), QRect(424, 39, 153, 337));
    EXPECT_EQ(view().Shape18()->fillColour(), QColor(0, 0, 128));
    EXPECT_EQ(view().Shape17()->geometry(), QRect(432, 47, 153, 337));
    EXPECT_EQ(view().Shape17()->fillColour(), QColor(0, 0, 0));
    // The shadow lies beneath the panel.
    const auto& stack = window->client()->children();
    EXPECT_LT(stack.indexOf(view().Shape17()), stack.indexOf(view().Shape18()));

    struct Caption {
        tk::ui::Label* label;
        const char* text;
        QPoint topLeft;
        int pixels;
    };
    for (const Caption& c :
         {Caption{view().Label2(), "Punti", {478, 119}, 19}, Caption{view().Punteggio(), "0", {494, 151}, 24},
          Caption{view().Label5(), "Cestaro", {464, 247}, 19},
          Caption{view().LivelloLBL(), "0", {496, 279}, 24}}) {
        EXPECT_EQ(c.label->caption(), c.text);
        EXPECT_EQ(c.label->pos(), c.topLeft) << c.text;
        EXPECT_EQ(c.label->font().pixelSize(), c.pixels) << c.text;
        EXPECT_TRUE(c.label->font().bold()) << c.text;
        EXPECT_EQ(c.label->foreColour(), QColor(255, 255, 0)) << c.text;
        EXPECT_EQ(c.label->size(), c.label->sizeHint()) << c.text; // sized to its text
    }
    EXPECT_EQ(view().Command1()->geometry(), QRect(528, 401, 57, 33));
    EXPECT_EQ(view().Command1()->text(), "ESCI");

    EXPECT_EQ(T(1)->geometry(), QRect(184, 69, 49, 26));
    EXPECT_EQ(window->Shape(15)->geometry(), QRect(336, 327, 65, 65));
    for (int n = 1; n <= 15; ++n) {
        EXPECT_EQ(T(n)->size(), QSize(49, 26)) << n;
        EXPECT_FALSE(T(n)->hasFrame()) << n;
        EXPECT_EQ(T(n)->alignment(), Qt::AlignCenter) << n;
        EXPECT_EQ(T(n)->font().pixelSize(), 21) << n;
        EXPECT_TRUE(T(n)->font().bold()) << n;
        // Each box stands inside its own circle, which is drawn beneath it.
        const QRect circle = window->Shape(n)->geometry();
        EXPECT_LE(QLineF(T(n)->geometry().center(), circle.center()).length(), 4.0) << n;
        EXPECT_LT(stack.indexOf(window->Shape(n)), stack.indexOf(T(n))) << n;
    }
}

TEST_F(GameWindow, FocusHolderHidesBehindT2AndComesFirstInTheTabOrder) {
    EXPECT_EQ(view().Text1()->geometry(), QRect(144, 136, 10, 20));
    EXPECT_TRUE(T(2)->geometry().contains(view().Text1()->geometry()));
    const auto& stack = window->client()->children();
    EXPECT_LT(stack.indexOf(view().Text1()), stack.indexOf(T(2)));
    // The next control that the Tab key reaches.
    const auto tabFrom = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    QWidget* next = view().Text1();
    for (int n = 1; n <= 15; ++n) {
        next = tabFrom(next);
        EXPECT_EQ(next, T(n)) << n;
    }
    EXPECT_EQ(tabFrom(next), view().Command1());
}

TEST_F(GameWindow, MenuBarHoldsTheLevelDropDownThenTwoCommands) {
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), "SCEGLI IL LIVELLO DI GIOCO");
    EXPECT_EQ(top[0]->menu(), view().mnuGame());
    EXPECT_EQ(top[1], view().mnuinfo());
    EXPECT_EQ(top[1]->text(), "ISTRUZIONI");
    EXPECT_EQ(top[1]->menu(), nullptr);
    EXPECT_EQ(top[2], view().mnuexit());
    EXPECT_EQ(top[2]->text(), "ESCI");
    const QList<QAction*> levels = view().mnuGame()->actions();
    ASSERT_EQ(levels.size(), 3);
    const char* captions[] = {"Facile", "Medio", "Difficile"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(levels[i], view().mnuNew()[static_cast<std::size_t>(i)]);
        EXPECT_EQ(levels[i]->text(), captions[i]);
        EXPECT_TRUE(levels[i]->isCheckable());
        EXPECT_FALSE(levels[i]->isChecked()) << "no check mark at start";
    }
}

TEST_F(GameWindow, StartsEmptyInTheWindowColourWithTheGlowRunningAndTheClockInTheSource) {
    expectBoardColour(*window, tk::ui::systemWindowColour(), "at load");
    for (int n = 1; n <= 15; ++n)
        EXPECT_TRUE(text(n).isEmpty()) << n;
    EXPECT_TRUE(view().DEMO().isActive());
    EXPECT_EQ(view().DEMO().interval(), 150);
    EXPECT_FALSE(window->game().gameReady());

    tk::ScriptedRandom scripted({0.5});
    ui::frmGame seeded({scripted, clock, sound, messages});
    EXPECT_EQ(scripted.mixes(), std::vector<double>{45000.25});
}

TEST_F(GameWindow, GlowGoesFromYellowToRedAndBackEveryTenTicks) {
    const int green[] = {255, 204, 153, 102, 51, 0, 51, 102, 153, 204, 255, 204};
    for (int tick = 0; tick < 12; ++tick) {
        window->DEMO_Timer();
        expectBoardColour(*window, QColor(255, green[tick], 0), ("tick " + std::to_string(tick)).c_str());
    }
    // The timer itself drives it. The glow comes back to the same step every ten ticks, so the
    // wait looks after each tick rather than after a fixed time.
    view().DEMO().setInterval(20);
    const int before = window->glow().step();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->glow().step() != before; }, 2000));
}

TEST_F(GameWindow, ChoosingALevelChecksItStopsTheGlowForGoodAndDealsOnAWhiteBoard) {
    window->DEMO_Timer();
    view().mnuNew()[0]->trigger();
    EXPECT_TRUE(view().mnuNew()[0]->isChecked());
    EXPECT_FALSE(view().mnuNew()[1]->isChecked() || view().mnuNew()[2]->isChecked());
    EXPECT_FALSE(view().DEMO().isActive());
    expectBoardColour(*window, kWhite, "in play");
    EXPECT_EQ(view().LivelloLBL()->caption(), "1");
    EXPECT_EQ(view().Punteggio()->caption(), "0");

    const auto given = givenCells();
    EXPECT_GE(given.size(), 7u);
    EXPECT_LE(given.size(), 10u);
    for (int n = 1; n <= 15; ++n) {
        const bool isGiven = T(n)->isReadOnly();
        EXPECT_EQ(window->board().cellInk(n), isGiven ? QColor(255, 0, 0) : QColor(0, 0, 255)) << n;
        EXPECT_EQ(text(n), isGiven ? solutionText(n) : QString()) << n;
        if (n >= 11) {
            EXPECT_LE(window->game().solution(n), 2) << n;
        }
    }

    // Choosing the same level again re-deals and keeps the single check mark.
    window->mnuNew_Click(0);
    EXPECT_TRUE(view().mnuNew()[0]->isChecked());
    EXPECT_FALSE(view().DEMO().isActive());
}

TEST_F(GameWindow, ANewLevelAfterSolvedTrianglesStartsAgainAtTriangleOneWithNoPoints) {
    window->mnuNew_Click(0);
    for (int k = 0; k < 3; ++k)
        solve();
    EXPECT_EQ(view().Punteggio()->caption(), "45");
    EXPECT_EQ(view().LivelloLBL()->caption(), "4");

    window->mnuNew_Click(1);
    EXPECT_EQ(view().Punteggio()->caption(), "0");
    EXPECT_EQ(view().LivelloLBL()->caption(), "1");
    EXPECT_FALSE(view().mnuNew()[0]->isChecked());
    EXPECT_TRUE(view().mnuNew()[1]->isChecked());
    for (int n = 11; n <= 15; ++n)
        EXPECT_LE(window->game().solution(n), 5) << n;
}

TEST_F(GameWindow, TheCloseBoxAndTheEsciButtonEndTheProgramOnce) {
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ended->count(), 1);

    open();
    view().Command1()->click();
    EXPECT_TRUE(window->isUnloading());
    EXPECT_EQ(ended->count(), 1);
    settle();
    EXPECT_TRUE(window.isNull());
}

TEST_F(GameWindow, TheEsciCommandEndsAtOnceWithoutClosingTheWindow) {
    view().mnuexit()->trigger();
    EXPECT_EQ(ended->count(), 1);
    EXPECT_FALSE(window->isUnloading());
    EXPECT_TRUE(view().DEMO().isActive()); // no handler ran on the way out
}

TEST_F(GameWindow, InstructionsOpenModallyAndTheMainWindowWaits) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        ui::frmAbout* about = window->about();
        ASSERT_NE(about, nullptr);
        seen = true;
        EXPECT_TRUE(about->isVisible());
        EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(QApplication::activeModalWidget(), about);
        ui::frmAboutTesting(*about).Command1()->click();
    });
    view().mnuinfo()->trigger();
    EXPECT_TRUE(seen);
    settle();
    EXPECT_EQ(window->about(), nullptr);
}

} // namespace
} // namespace cestaro::test
