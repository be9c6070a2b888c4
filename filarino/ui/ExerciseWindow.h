// SPDX-License-Identifier: GPL-3.0-or-later
// The window shared by filarino's two exercises: a flashing array of dots, the keypad whose keys are dragged
// into two answer boxes (or clicked, then the box clicked; or typed), the check with its verdict, sound and
// reward portraits, the results table, and the way back to the start window.
#pragma once

#include "filarino/logic/Exercise.h"
#include "toolkit/ui/ControlArray.h"
#include "toolkit/ui/InWindowDrag.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Window.h"

#include <QPointer>
#include <QTimer>
#include <array>

class QAction;

namespace tk::ui {
class Button;
class Frame;
} // namespace tk::ui

namespace filarino::ui {

class Shell;

class ExerciseWindow : public tk::ui::Window {
    Q_OBJECT
public:
    // A place in twips, relative to the control's container.
    struct Box {
        double left, top, width, height;
    };
    // Captions and places in which the two exercise windows differ.
    struct Layout {
        QString caption; // of the window
        QString title;   // of Label1
        Box label1, label18, frame4, frame1, label3, label15, lblNumero1, lblNumero2, lblPer, lblVolte;
        double signPoints; // font size of "x" and "volte"
        Box lblEsito, image2, frmElaborazione;
        double lblOperazioneLeft;
        double line5X, line6X; // the two inner column separators of the results table
        Box cmdOperazione, cmdVerifica, cmdFine;
        QColor cmdVerificaFace; // before its first flash
    };

    // Runs once, right after the window is made: closes the start window, shows this one and starts a series.
    void Form_Load();

    // Event handlers, public so that tests can drive them as the pupil would.
    void CmdOperazione_Click();
    void CmdVerifica_Click();
    void CmdFine_Click();
    void MnuEsci_Click();
    // A dragged key enters, moves over or leaves an answer box.
    void LblNumero1_DragOver(QWidget* source, tk::ui::InWindowDrag::DragState state);
    void LblNumero2_DragOver(QWidget* source, tk::ui::InWindowDrag::DragState state);
    void Timer1_Timer();
    // A key clicked rather than dragged is marked until a click on an answer box uses it or another key is
    // clicked; the box takes it by the rules of a drag.
    void keyClicked(tk::ui::Label* key);
    void answerBoxClicked(int box);

    const Exercise& exercise() const { return exercise_; }
    const tk::ui::InWindowDrag& keypadDrag() const { return *keypadDrag_; }
    tk::ui::InWindowDrag& keypadDrag() { return *keypadDrag_; }
    // The ten keypad keys, by their captions "1" to "10".
    std::array<tk::ui::Label*, 10> keys() const;

protected:
    ExerciseWindow(Shell& shell, QWidget* backdrop, const Layout& layout);

    void queryUnload() override;
    // Digits 1 to 9 and 0 (for 10) fill the first empty box, then the second; Backspace empties the box
    // filled last; Enter presses the green button in sight. Space on a focused key or box clicks it.
    void keyPressEvent(QKeyEvent* event) override;

    // The times-table ending: a new array restores the plain operation, a right answer completes the fact.
    virtual void beginFact() {}
    virtual void completeFact() {}
    // Closes the backdrop this window stands in front of.
    virtual void unloadBackdrop() = 0;

    Shell& shell() const { return shell_; }
    // A large answer box (60 pt, blue on light yellow, single border) in `Frame1`.
    tk::ui::Label* makeAnswerBox(Box place);
    // Shows `caption` in an answer box, shrinking its font when the caption is wider than the box, so that
    // "10" and "100" are read in full even in narrow boxes.
    static void setBoxCaption(tk::ui::Label* box, const QString& caption);
    // "volte", which the times-table ending turns into "fa".
    tk::ui::Label* LblVolte = nullptr;

private:
    friend class ExerciseWindowTesting;

    void buildMenu();
    void buildBanners(const Layout& layout);
    void buildArrayFrame(const Layout& layout);
    void buildAnswerArea(const Layout& layout);
    void buildKeypad();
    void buildResults(const Layout& layout);
    void buildButtons(const Layout& layout);

    // Removes the dots of the last array and lays out those of `array`, row by row, shown and unflashed.
    void DisegnaPallini(const Exercise::NewArray& array);
    // The answer phase opens on the dots just drawn: the answer time starts and the last verdict goes.
    void AvviaRisposta();
    // Draws the window from the exercise's state: the answer area, the boxes' values, the button offered and
    // the instruction. The handlers play the sounds and write the verdict and the results table.
    void showExercise();
    void markKey(tk::ui::Label* key);
    // After a right answer: every dot gives way to a portrait of its own.
    void MostraFigure();

    tk::ui::Label *Label1 = nullptr, *Label18 = nullptr;
    tk::ui::Frame *Frame4 = nullptr, *Frame1 = nullptr, *frmTastierino = nullptr, *frmElaborazione = nullptr;
    tk::ui::ControlArray<tk::ui::Shape> Shape1{nullptr};
    tk::ui::ControlArray<tk::ui::Picture> Image1{nullptr};
    tk::ui::Label *Label3 = nullptr, *Label15 = nullptr, *LblNumero1 = nullptr, *LblNumero2 = nullptr,
                  *LblPer = nullptr;
    tk::ui::Label *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label2 = nullptr,
                  *Label7 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
                  *Label13 = nullptr, *Label14 = nullptr;
    tk::ui::Label *LblIstruzione = nullptr, *LblEsito = nullptr;
    tk::ui::Picture* Image2 = nullptr;
    tk::ui::Label *Label8 = nullptr, *Label9 = nullptr, *lblOperazione = nullptr, *lblRisEsatte = nullptr,
                  *lblRisErrate = nullptr, *lblTempoParziale = nullptr, *lblTempoTotale = nullptr;
    tk::ui::Button *CmdOperazione = nullptr, *CmdVerifica = nullptr, *CmdFine = nullptr;
    QAction *MnuEsci = nullptr, *vuoto1 = nullptr;
    QTimer Timer1;

    Shell& shell_;
    Exercise exercise_;
    tk::ui::InWindowDrag* keypadDrag_ = nullptr;
    QPointer<tk::ui::Label> markedKey_;
    tk::ui::Shape* keyMark_ = nullptr;
};

} // namespace filarino::ui
