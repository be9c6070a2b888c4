// SPDX-License-Identifier: GPL-3.0-or-later
// The credits message shown by the "Autore" menus of filarino's windows.
#pragma once

class QWidget;

namespace tk::ui {
class MessageBoxes;
}

namespace filarino::ui {

// A modal information box over `parent` naming the authors and how to reach them.
void showCredits(tk::ui::MessageBoxes& messages, QWidget* parent);

} // namespace filarino::ui
