// SPDX-License-Identifier: GPL-3.0-or-later
// The black backdrop over the whole screen that the program starts with, behind the puzzle window.
#pragma once

#include "toolkit/ui/Backdrop.h"

#include <QPointer>

namespace tk::ui {
class MessageBoxes;
}

namespace intarsello::ui {

class frmPuzzle;

class Form1 : public tk::ui::Backdrop {
    Q_OBJECT
public:
    explicit Form1(tk::ui::MessageBoxes& messages);

    // Shows the backdrop over the screen, then loads the puzzle window and shows it in front.
    void Form_Load();

    frmPuzzle* puzzle() const;

signals:
    // The puzzle window has closed: both windows are going away and the program is to end now.
    void ended();

protected:
    // A request to close the backdrop itself goes through the puzzle window, which ends the program.
    void closeEvent(QCloseEvent* event) override;

private:
    void puzzleUnloaded();

    tk::ui::MessageBoxes& messages_;
    QPointer<frmPuzzle> puzzle_;
};

} // namespace intarsello::ui
