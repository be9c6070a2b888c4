// SPDX-License-Identifier: GPL-3.0-or-later
// A cestaro run with a seeded random source, a manual clock and doubles for sound and message boxes,
// with helpers that play as a pupil does: click a cell, type into it.
#pragma once

#include "cestaro/tests/ui/frmGameTesting.h"
#include "cestaro/ui/BoardView.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/core/testing/ManualClock.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/testing/AnsweringMessageBoxes.h"
#include "toolkit/ui/testing/MouseDriver.h"
#include "toolkit/ui/testing/RecordingSound.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace cestaro::test {

class CestaroFixture : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override {
        ended.reset();
        delete window.data();
        settle();
    }

    void open() {
        window = new ui::frmGame({random, clock, sound, messages});
        ended = std::make_unique<QSignalSpy>(window.data(), &ui::frmGame::ended);
        window->showModeless();
    }

    // Lets deferred deletions run, as the event loop would between events.
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    ui::frmGameTesting view() const { return ui::frmGameTesting(*window); }
    QLineEdit* T(int n) const { return window->T(n); }
    QString text(int n) const { return T(n)->text(); }
    QString solutionText(int n) const { return QString::number(window->game().solution(n)); }

    std::vector<int> cells(bool locked) const {
        std::vector<int> found;
        for (int n = 1; n <= 15; ++n)
            if (T(n)->isReadOnly() == locked) found.push_back(n);
        return found;
    }
    std::vector<int> openCells() const { return cells(false); }
    std::vector<int> givenCells() const { return cells(true); }

    std::vector<QString> boardTexts() const {
        std::vector<QString> texts;
        for (int n = 1; n <= 15; ++n)
            texts.push_back(text(n));
        return texts;
    }

    // Clicks the cell, then types: ASCII through QTest's keys, anything else as key events carrying text;
    // then lets the event loop run, as it does between keystrokes.
    void type(int n, const QString& keys) {
        tk::ui::testing::click(T(n));
        typeKeys(T(n), keys);
        QCoreApplication::processEvents();
    }
    // Writes into a cell by code, then lets the event loop run.
    void write(int n, const QString& text) {
        T(n)->setText(text);
        QCoreApplication::processEvents();
    }
    static void typeKeys(QWidget* widget, const QString& keys) {
        for (const QChar c : keys) {
            if (c.unicode() > 0x20 && c.unicode() < 0x7f) {
                QTest::keyClick(widget, static_cast<char>(c.unicode()));
            } else {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(widget, &press);
                QApplication::sendEvent(widget, &release);
            }
        }
    }

    // Types the solution into every open cell but the last one, which is returned.
    int fillAllButOne() {
        const auto open = openCells();
        for (std::size_t i = 0; i + 1 < open.size(); ++i)
            type(open[i], solutionText(open[i]));
        return open.back();
    }
    // The board as it will stand once `last` holds its solution.
    std::vector<QString> solvedBoard(int last) const {
        std::vector<QString> texts = boardTexts();
        texts[static_cast<std::size_t>(last - 1)] = solutionText(last);
        return texts;
    }
    void solve() {
        const int last = fillAllButOne();
        type(last, solutionText(last));
    }

    // A triangle of non-negative whole numbers, cells 1..15 at index 1..15, that obeys the sum rule, keeps
    // every given and has an apex other than the dealt one, if one lies within 6 of the dealt base.
    std::optional<std::array<int, 16>> anotherTriangleKeepingTheGivens() const {
        const Game& game = window->game();
        std::array<int, 5> step{-6, -6, -6, -6, -6};
        do {
            std::array<int, 16> v{};
            for (int i = 0; i < 5; ++i)
                v[static_cast<std::size_t>(11 + i)] =
                    game.solution(11 + i) + step[static_cast<std::size_t>(i)];
            for (const int parent : Triangle::kSumOrder)
                v[static_cast<std::size_t>(parent)] =
                    v[static_cast<std::size_t>(Triangle::leftChild(parent))] +
                    v[static_cast<std::size_t>(Triangle::rightChild(parent))];
            bool fits = v[1] != game.solution(1);
            for (int n = 1; n <= 15 && fits; ++n)
                fits = v[static_cast<std::size_t>(n)] >= 0 &&
                       (!T(n)->isReadOnly() || v[static_cast<std::size_t>(n)] == game.solution(n));
            if (fits) return v;
        } while (nextStep(step));
        return std::nullopt;
    }
    // Counts through -6..6 in each of the five places; false after the last.
    static bool nextStep(std::array<int, 5>& step) {
        for (int& s : step) {
            if (++s <= 6) return true;
            s = -6;
        }
        return false;
    }

    tk::RandomSource random{31};
    tk::ManualClock clock{45000.25};
    tk::ui::RecordingSound sound;
    tk::ui::AnsweringMessageBoxes messages;
    QPointer<ui::frmGame> window;
    std::unique_ptr<QSignalSpy> ended;
};

} // namespace cestaro::test
