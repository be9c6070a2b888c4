// SPDX-License-Identifier: GPL-3.0-or-later
// What tests read and drive in the instructions window: the rules, the example picture, the exit button and
// the timer that turns the picture.
#pragma once

#include "cestaro/ui/frmAbout.h"

namespace cestaro::ui {

class frmAboutTesting {
public:
    explicit frmAboutTesting(frmAbout& window)
        : window_(window) {}

    tk::ui::Label* Label1() const { return window_.Label1; }
    tk::ui::Label* Label2() const { return window_.Label2; }
    tk::ui::Picture* Image1() const { return window_.Image1; }
    tk::ui::Button* Command1() const { return window_.Command1; }
    QTimer& Timer1() const { return window_.Timer1; }
    // Which picture is on show: 0 the puzzle, 1 its solution.
    int PictureFlag() const { return window_.PictureFlag; }

private:
    frmAbout& window_;
};

} // namespace cestaro::ui
