// SPDX-License-Identifier: GPL-3.0-or-later
// filarino's start backdrop, light green, behind the start window.
#pragma once

#include "filarino/ui/FilarinoBackdrop.h"

namespace filarino::ui {

class Form1 : public FilarinoBackdrop {
public:
    explicit Form1(std::function<void()> openWorkingWindow)
        : FilarinoBackdrop(QColor(qRgb(192, 255, 192)), std::move(openWorkingWindow)) {}
};

} // namespace filarino::ui
