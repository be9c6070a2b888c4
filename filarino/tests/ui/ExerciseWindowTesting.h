// SPDX-License-Identifier: GPL-3.0-or-later
// What tests read and drive in an exercise window: its controls, its flashing timer and the key marked.
#pragma once

#include "filarino/ui/ExerciseWindow.h"

namespace filarino::ui {

class ExerciseWindowTesting {
public:
    explicit ExerciseWindowTesting(ExerciseWindow& window)
        : window_(window) {}

    tk::ui::Label* Label18() const { return window_.Label18; }
    tk::ui::Frame* Frame4() const { return window_.Frame4; }
    tk::ui::Frame* Frame1() const { return window_.Frame1; }
    tk::ui::Frame* frmTastierino() const { return window_.frmTastierino; }
    tk::ui::Frame* frmElaborazione() const { return window_.frmElaborazione; }
    const tk::ui::ControlArray<tk::ui::Shape>& Shape1() const { return window_.Shape1; }
    const tk::ui::ControlArray<tk::ui::Picture>& Image1() const { return window_.Image1; }
    tk::ui::Label* Label3() const { return window_.Label3; }
    tk::ui::Label* LblNumero1() const { return window_.LblNumero1; }
    tk::ui::Label* LblNumero2() const { return window_.LblNumero2; }
    tk::ui::Label* LblPer() const { return window_.LblPer; }
    tk::ui::Label* LblVolte() const { return window_.LblVolte; }
    tk::ui::Label* LblIstruzione() const { return window_.LblIstruzione; }
    tk::ui::Label* LblEsito() const { return window_.LblEsito; }
    tk::ui::Picture* Image2() const { return window_.Image2; }
    tk::ui::Label* lblOperazione() const { return window_.lblOperazione; }
    tk::ui::Label* lblRisEsatte() const { return window_.lblRisEsatte; }
    tk::ui::Label* lblRisErrate() const { return window_.lblRisErrate; }
    tk::ui::Label* lblTempoParziale() const { return window_.lblTempoParziale; }
    tk::ui::Label* lblTempoTotale() const { return window_.lblTempoTotale; }
    tk::ui::Button* CmdOperazione() const { return window_.CmdOperazione; }
    tk::ui::Button* CmdVerifica() const { return window_.CmdVerifica; }
    tk::ui::Button* CmdFine() const { return window_.CmdFine; }
    QAction* MnuEsci() const { return window_.MnuEsci; }
    QTimer& Timer1() const { return window_.Timer1; }
    // The key clicked last and not yet used, if any, and the outline that marks it.
    tk::ui::Label* markedKey() const { return window_.markedKey_; }
    const tk::ui::Shape* keyMark() const { return window_.keyMark_; }

private:
    ExerciseWindow& window_;
};

} // namespace filarino::ui
