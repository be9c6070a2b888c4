// SPDX-License-Identifier: GPL-3.0-or-later
// The instructions window: the rules in two captions and an example triangle that shows its solution.
#pragma once

#include "toolkit/ui/Window.h"

#include <QTimer>

namespace tk::ui {
class Button;
class Label;
class Picture;
} // namespace tk::ui

namespace cestaro::ui {

class frmAbout : public tk::ui::Window {
    Q_OBJECT
public:
    // The example puzzle and its solution, bitmap resources.
    static constexpr int kPuzzlePicture = 101;
    static constexpr int kSolutionPicture = 102;
    static constexpr int kFirstIntervalMs = 3000;
    static constexpr int kIntervalMs = 300;

    // Builds the window and runs its load; `owner` is the window it stands in front of.
    explicit frmAbout(QWidget* owner);

    // Event handlers, public so that tests can drive them.
    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

protected:
    void queryUnload() override;
    // Esc closes the window, as its button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class frmAboutTesting;

    void showPicture(int id);

    tk::ui::Label *Label1 = nullptr, *Label2 = nullptr;
    tk::ui::Picture* Image1 = nullptr;
    tk::ui::Button* Command1 = nullptr;
    QTimer Timer1;
    // Which picture is on show: 0 the puzzle, 1 its solution.
    int PictureFlag = 0;
};

} // namespace cestaro::ui
