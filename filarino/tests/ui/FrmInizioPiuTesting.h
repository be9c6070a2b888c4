// SPDX-License-Identifier: GPL-3.0-or-later
// What tests read and drive in the start window: the list, the buttons, the portraits, the captions, the
// menu and the portrait timers.
#pragma once

#include "filarino/ui/FrmInizioPiu.h"

namespace filarino::ui {

class FrmInizioPiuTesting {
public:
    explicit FrmInizioPiuTesting(FrmInizioPiu& window)
        : window_(window) {}

    QComboBox* Combo1() const { return window_.Combo1; }
    tk::ui::Button* Command1() const { return window_.Command1; }
    tk::ui::Button* Command2() const { return window_.Command2; }
    tk::ui::Button* Command3() const { return window_.Command3; }
    tk::ui::Button* Command4() const { return window_.Command4; }
    tk::ui::Button* Command9() const { return window_.Command9; }
    const tk::ui::ControlArray<tk::ui::Picture>& Image2() const { return window_.Image2; }
    tk::ui::Label* Label3() const { return window_.Label3; }
    tk::ui::Label* Label4() const { return window_.Label4; }
    tk::ui::Label* Label6() const { return window_.Label6; }
    tk::ui::Frame* Frame1() const { return window_.Frame1; }
    QAction* mnuAutore() const { return window_.mnuAutore; }
    QTimer& Timer1() const { return window_.Timer1; }
    QTimer& Timer2() const { return window_.Timer2; }
    QTimer& Timer3() const { return window_.Timer3; }

private:
    FrmInizioPiu& window_;
};

} // namespace filarino::ui
