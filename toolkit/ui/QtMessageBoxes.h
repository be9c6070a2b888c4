// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes shown with QMessageBox.
#pragma once

#include "toolkit/ui/MessageBoxes.h"

namespace tk::ui {

class QtMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) override;
};

} // namespace tk::ui
