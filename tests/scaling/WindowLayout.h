// SPDX-License-Identifier: GPL-3.0-or-later
// The place of every control of a window in logical pixels, one line each, to compare runs at other scales.
#pragma once

#include <QStringList>

class QWidget;

namespace scaling {

// The window's title, place and size, then each widget inside it: its path of names, its class, its place
// relative to the window, its size, whether it is shown, and the pixel size of its font.
QStringList layoutOf(QWidget* window);

// The lines that differ between two layouts, as "- expected" and "+ actual", for a failure message.
QString differences(const QStringList& expected, const QStringList& actual);

} // namespace scaling
