// SPDX-License-Identifier: GPL-3.0-or-later
// What tests read and drive in the times-table window: an exercise window's controls, the product box and
// the "Autore" menu entry.
#pragma once

#include "filarino/tests/ui/ExerciseWindowTesting.h"
#include "filarino/ui/frmTabellina.h"

namespace filarino::ui {

class frmTabellinaTesting : public ExerciseWindowTesting {
public:
    explicit frmTabellinaTesting(frmTabellina& window)
        : ExerciseWindowTesting(window)
        , window_(window) {}

    tk::ui::Label* lblRisultato() const { return window_.lblRisultato; }
    QAction* mnuAutore() const { return window_.mnuAutore; }

private:
    frmTabellina& window_;
};

} // namespace filarino::ui
