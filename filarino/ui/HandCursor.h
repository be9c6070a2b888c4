// SPDX-License-Identifier: GPL-3.0-or-later
// The pointing-hand mouse cursor shown over filarino's buttons and keypad keys.
#pragma once

#include <QCursor>

namespace filarino::ui {

// 32 x 32, hot spot at the tip of the finger (4, 0).
QCursor handCursor();

} // namespace filarino::ui
