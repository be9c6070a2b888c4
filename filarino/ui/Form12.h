// SPDX-License-Identifier: GPL-3.0-or-later
// filarino's backdrop of the array-to-times-table exercise, light pink.
#pragma once

#include "filarino/ui/FilarinoBackdrop.h"

namespace filarino::ui {

class Form12 : public FilarinoBackdrop {
public:
    explicit Form12(std::function<void()> openWorkingWindow)
        : FilarinoBackdrop(QColor(qRgb(255, 192, 255)), std::move(openWorkingWindow)) {}
};

} // namespace filarino::ui
