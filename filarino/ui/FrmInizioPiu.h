// SPDX-License-Identifier: GPL-3.0-or-later
// The start window: exercise list, the four range buttons, the title banner, twelve changing portraits,
// the credits, and the ways to quit.
#pragma once

#include "toolkit/ui/ControlArray.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Window.h"

#include <QTimer>

class QAction;
class QComboBox;

namespace tk::ui {
class Button;
class Frame;
class Label;
class Shape;
} // namespace tk::ui

namespace filarino::ui {

class Shell;

class FrmInizioPiu : public tk::ui::Window {
    Q_OBJECT
public:
    FrmInizioPiu(Shell& shell, QWidget* backdrop);

    // Runs at every opening: new portraits, the list refilled with item 0 selected, the start sound on the
    // first opening of the run only.
    void Form_Load();

    // Event handlers, public so that tests can drive them as the pupil would.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command9_Click();
    void MnuEsci_Click();
    void mnuAutore_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

protected:
    void queryUnload() override;

private:
    friend class FrmInizioPiuTesting;

    void buildMenu();
    void buildTitle();
    void buildArrayPicture();
    void buildButtons();
    void buildCredits();
    tk::ui::Picture* addPortrait(int index, QWidget* container, double left, double top);
    void showRandomPortrait(int index);
    // Stores the range, then opens the exercise chosen in the list.
    void chooseRange(int numeroMinimo, int numeroMassimo);
    void ApriEsercizio();

    QComboBox* Combo1 = nullptr;
    tk::ui::Button *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                   *Command9 = nullptr;
    tk::ui::ControlArray<tk::ui::Picture> Image2{nullptr};
    tk::ui::Label *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr,
                  *Label8 = nullptr;
    tk::ui::Frame *frmTitolo = nullptr, *Frame1 = nullptr;
    QAction *MnuEsci = nullptr, *vuoto = nullptr, *mnuAutore = nullptr;
    QTimer Timer1, Timer2, Timer3;

    Shell& shell_;
};

} // namespace filarino::ui
