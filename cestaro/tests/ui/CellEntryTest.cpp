// SPDX-License-Identifier: GPL-3.0-or-later
// Typing, pasting and deleting in the cells: what survives, what is wiped, what is refused, what is judged.
#include "cestaro/tests/ui/CestaroFixture.h"
#include "toolkit/core/testing/ScriptedRandom.h"

#include <QClipboard>

namespace cestaro::test {
namespace {

using CellEntry = CestaroFixture;

TEST_F(CellEntry, ClickingACellGivesItTheCaret) {
    window->mnuNew_Click(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const int n = openCells().front();
    tk::ui::testing::click(T(n));
    EXPECT_EQ(QApplication::focusWidget(), T(n));
}

TEST_F(CellEntry, WhatIsNotANumberAtSomeKeystrokeEmptiesTheWholeCell) {
    window->mnuNew_Click(0);
    const int n = openCells().front();
    struct Case {
        const char* keys;
        const char* left;
    };
    for (const Case& c :
         {Case{"12", "12"}, Case{"12a", ""}, Case{"a", ""}, Case{"1.", "1."}, Case{"1.5", "1.5"},
          Case{"-", ""}, Case{"-3", "3"}, Case{".", ""}, Case{".5", "5"}, Case{"1e5", "5"}, Case{"1,5", "5"},
          Case{" ", ""}, Case{"7 ", "7 "}, Case{"1.2.", ""}}) {
        T(n)->clear();
        type(n, c.keys);
        EXPECT_EQ(text(n), c.left) << c.keys;
        if (text(n).isEmpty()) {
            EXPECT_EQ(T(n)->cursorPosition(), 0) << c.keys;
        }
    }
    type(n, QStringLiteral("4²"));
    EXPECT_EQ(text(n), "");
    type(n, QStringLiteral("٣"));
    EXPECT_EQ(text(n), "") << "only ASCII digits count";
}

TEST_F(CellEntry, BackspaceAndDeleteKeepWhatIsStillANumber) {
    window->mnuNew_Click(0);
    const int n = openCells().front();
    type(n, "1.25");
    QTest::keyClick(T(n), Qt::Key_Backspace);
    EXPECT_EQ(text(n), "1.2");
    QTest::keyClick(T(n), Qt::Key_Home);
    QTest::keyClick(T(n), Qt::Key_Delete);
    EXPECT_EQ(text(n), ".2");
    QTest::keyClick(T(n), Qt::Key_Delete);
    EXPECT_EQ(text(n), "2");
    QTest::keyClick(T(n), Qt::Key_Backspace);
    QTest::keyClick(T(n), Qt::Key_Delete);
    EXPECT_EQ(text(n), "");
}

TEST_F(CellEntry, PastesAreFilteredLikeTyping) {
    window->mnuNew_Click(0);
    const int n = openCells().front();
    QClipboard* clipboard = QApplication::clipboard();
    struct Case {
        const char* pasted;
        const char* left;
    };
    for (const Case& c : {Case{"42", "42"}, Case{"4 2", ""}, Case{"1e3", "1e3"}, Case{"-0.5", "-0.5"},
                          Case{"12abc", ""}, Case{" 8 ", " 8 "}}) {
        T(n)->clear();
        clipboard->setText(QString::fromUtf8(c.pasted));
        tk::ui::testing::click(T(n));
        QTest::keyClick(T(n), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(text(n), c.left) << c.pasted;
    }
}

TEST_F(CellEntry, GivenCellsKeepTheirNumberWhateverArrives) {
    window->mnuNew_Click(2);
    const int n = givenCells().front();
    const QString given = text(n);
    type(n, "9x");
    QApplication::clipboard()->setText(QStringLiteral("77"));
    QTest::keyClick(T(n), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(T(n), Qt::Key_Backspace);
    EXPECT_EQ(text(n), given);
    // Even a write by code is put back.
    T(n)->setText(QStringLiteral("5"));
    EXPECT_EQ(text(n), given);
    EXPECT_TRUE(T(n)->isReadOnly());
    EXPECT_EQ(window->board().cellInk(n), QColor(255, 0, 0));
}

TEST_F(CellEntry, BeforeALevelTypingIsKeptAsItIsAndNothingIsJudged) {
    for (int n = 1; n <= 15; ++n)
        type(n, "ab");
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(text(n), "ab") << n;
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(sound.played.empty());
    // A level chosen now clears the board and deals.
    window->mnuNew_Click(0);
    for (int n : openCells())
        EXPECT_EQ(text(n), "") << n;
}

TEST_F(CellEntry, AWrongFullBoardStaysAsItIsWithoutAWord) {
    window->mnuNew_Click(1);
    const int last = fillAllButOne();
    for (int wrong = 0; wrong < 3; ++wrong) {
        T(last)->clear();
        type(last, QString::number(window->game().solution(last) + 1 + wrong));
        EXPECT_EQ(text(last), QString::number(window->game().solution(last) + 1 + wrong));
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(view().Punteggio()->caption(), "0");
    EXPECT_EQ(view().LivelloLBL()->caption(), "1");
    // Putting it right judges again and succeeds.
    T(last)->clear();
    type(last, solutionText(last));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CellEntry, TheLastCellIsJudgedAtEveryKeystroke) {
    // Base values all 8 at "Difficile": cell 7 holds 16. Givens: cells 1..6 and 11.
    std::vector<double> draws(5, 0.99);
    for (int cell : {1, 2, 3, 4, 5, 6, 11, 11, 11, 11})
        draws.push_back((cell - 1) / 15.0 + 0.01);
    // The next deal, after the reward: ten distinct givens.
    draws.insert(draws.end(), 5, 0.5);
    for (int cell = 1; cell <= 10; ++cell)
        draws.push_back((cell - 1) / 15.0 + 0.01);
    tk::ScriptedRandom scripted(draws);
    ui::frmGame w({scripted, clock, sound, messages});
    w.showModeless();
    w.mnuNew_Click(2);
    ASSERT_EQ(w.game().solution(7), 16);
    for (int n : {8, 9, 10, 12, 13, 14, 15})
        w.T(n)->setText(QString::number(w.game().solution(n)));
    EXPECT_FALSE(w.game().board().sumCheck(8)) << "not judged while a cell is empty";

    typeKeys(w.T(7), "1");
    EXPECT_TRUE(w.game().board().sumCheck(8)) << "judged with \"1\": 12 + 13 holds";
    EXPECT_FALSE(w.game().board().sumCheck(7));
    EXPECT_TRUE(messages.shown.empty());
    typeKeys(w.T(7), "6");
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(ui::frmGameTesting(w).Punteggio()->caption(), "15");
}

} // namespace
} // namespace cestaro::test
