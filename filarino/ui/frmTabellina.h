// SPDX-License-Identifier: GPL-3.0-or-later
// The array-to-times-table exercise: as the array-to-operation one, and a right answer completes the
// times-table fact, "3 x 4 fa 12".
#pragma once

#include "filarino/ui/ExerciseWindow.h"

namespace filarino::ui {

class frmTabellina : public ExerciseWindow {
    Q_OBJECT
public:
    // `backdrop` is the light-pink Form12 the window stands in front of.
    frmTabellina(Shell& shell, QWidget* backdrop);

    void mnuAutore_Click();

protected:
    void beginFact() override;
    void completeFact() override;
    void unloadBackdrop() override;

private:
    friend class frmTabellinaTesting;

    // The product, shown after a right answer.
    tk::ui::Label* lblRisultato = nullptr;
    QAction* mnuAutore = nullptr;
};

} // namespace filarino::ui
