// SPDX-License-Identifier: GPL-3.0-or-later
// The backdrop's load, the puzzle window kept in front of it, and the end of the program.
#include "intarsello/ui/Form1.h"

#include "intarsello/ui/frmPuzzle.h"

#include <QCloseEvent>

namespace intarsello::ui {

Form1::Form1(tk::ui::MessageBoxes& messages)
    : Backdrop(Qt::black)
    , messages_(messages) {
    // A click on the backdrop would hide the puzzle window behind it under some window managers.
    connect(this, &Backdrop::clicked, this, [this] {
        if (puzzle_) puzzle_->showModeless();
    });
}

frmPuzzle* Form1::puzzle() const {
    return puzzle_;
}

void Form1::Form_Load() {
    showCovering();
    puzzle_ = new frmPuzzle(this, messages_);
    connect(puzzle_, &tk::ui::Window::unloaded, this, &Form1::puzzleUnloaded);
    puzzle_->showModeless();
}

void Form1::puzzleUnloaded() {
    puzzle_ = nullptr;
    unload();
    emit ended();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (puzzle_) {
        // The puzzle's unloading unloads this backdrop in turn.
        event->ignore();
        puzzle_->unload();
        return;
    }
    Backdrop::closeEvent(event);
}

} // namespace intarsello::ui
