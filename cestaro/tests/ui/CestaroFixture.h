// A cestaro run with a seeded random source, a manual clock and doubles for sound and message boxes,
// with helpers that play as a pupil does: click a cell, type into it.
#pragma once

#include "AnsweringMessageBoxes.h"
#include "BoardView.h"
#include "Clock.h"
#include "Label.h"
#include "MouseDriver.h"
#include "Random.h"
#include "RecordingSound.h"
#include "frmGame.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
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

    tk::RandomSource random{31};
    tk::ManualClock clock{45000.25};
    tk::ui::RecordingSound sound;
    tk::ui::AnsweringMessageBoxes messages;
    QPointer<ui::frmGame> window;
    std::unique_ptr<QSignalSpy> ended;
};

} // namespace cestaro::test
