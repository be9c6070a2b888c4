// SPDX-License-Identifier: GPL-3.0-or-later
// The pointing-hand cursor, read from the embedded cursor picture.
#include "filarino/ui/HandCursor.h"

#include "toolkit/ui/Resources.h"

namespace filarino::ui {

QCursor handCursor() {
    constexpr int kHotX = 4, kHotY = 0;
    return tk::ui::resourceCursor(QStringLiteral("CURSOR"), 101, kHotX, kHotY);
}

} // namespace filarino::ui
