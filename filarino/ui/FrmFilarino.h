// SPDX-License-Identifier: GPL-3.0-or-later
// The array-to-operation exercise: the pupil writes an array of dots as dots per row times rows.
#pragma once

#include "filarino/ui/ExerciseWindow.h"

namespace filarino::ui {

class FrmFilarino : public ExerciseWindow {
    Q_OBJECT
public:
    // `backdrop` is the light-yellow Form11 the window stands in front of.
    FrmFilarino(Shell& shell, QWidget* backdrop);

protected:
    void unloadBackdrop() override;
};

} // namespace filarino::ui
