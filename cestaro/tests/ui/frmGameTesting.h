// SPDX-License-Identifier: GPL-3.0-or-later
// What tests read and drive in the main window: the score panel, the exit button, the focus holder, the
// glow's timer and the menu.
#pragma once

#include "cestaro/ui/frmGame.h"

namespace cestaro::ui {

class frmGameTesting {
public:
    explicit frmGameTesting(frmGame& window)
        : window_(window) {}

    tk::ui::Shape* Shape17() const { return window_.Shape17; }
    tk::ui::Shape* Shape18() const { return window_.Shape18; }
    tk::ui::Label* Label2() const { return window_.Label2; }
    tk::ui::Label* Punteggio() const { return window_.Punteggio; }
    tk::ui::Label* Label5() const { return window_.Label5; }
    tk::ui::Label* LivelloLBL() const { return window_.LivelloLBL; }
    tk::ui::Button* Command1() const { return window_.Command1; }
    QLineEdit* Text1() const { return window_.Text1; }
    QTimer& DEMO() const { return window_.DEMO; }
    QMenu* mnuGame() const { return window_.mnuGame; }
    const std::array<QAction*, Game::kLevels>& mnuNew() const { return window_.mnuNew; }
    QAction* mnuinfo() const { return window_.mnuinfo; }
    QAction* mnuexit() const { return window_.mnuexit; }

private:
    frmGame& window_;
};

} // namespace cestaro::ui
