// SPDX-License-Identifier: GPL-3.0-or-later
// What tests read and drive in the puzzle window: the menu, the instructions, the squares, the selection
// ring, the help panel and the timer of its reveal.
#pragma once

#include "intarsello/ui/frmPuzzle.h"

namespace intarsello::ui {

class frmPuzzleTesting {
public:
    explicit frmPuzzleTesting(frmPuzzle& window)
        : window_(window) {}

    QAction* mnuInfo() const { return window_.mnuInfo; }
    QAction* mnuHelp() const { return window_.mnuHelp; }
    tk::ui::Label* Label2() const { return window_.Label2; }
    tk::ui::Label* Label3() const { return window_.Label3; }
    tk::ui::Label* Label4() const { return window_.Label4; }
    const tk::ui::ControlArray<TileSquare>& cell() const { return window_.cell; }
    SelectionOutline* selectionOutline() const { return window_.selectionOutline; }
    HelpPanel* PicHelp() const { return window_.PicHelp; }
    QTimer& Timer1() const { return window_.Timer1; }

private:
    frmPuzzle& window_;
};

} // namespace intarsello::ui
