// SPDX-License-Identifier: GPL-3.0-or-later
// filarino's backdrop of the array-to-operation exercise, light yellow.
#pragma once

#include "filarino/ui/FilarinoBackdrop.h"

namespace filarino::ui {

class Form11 : public FilarinoBackdrop {
public:
    explicit Form11(std::function<void()> openWorkingWindow)
        : FilarinoBackdrop(QColor(qRgb(255, 255, 192)), std::move(openWorkingWindow)) {}
};

} // namespace filarino::ui
