// SPDX-License-Identifier: GPL-3.0-or-later
// A top-level window filled with one colour by the X server itself, with no picture of it in the program.
#pragma once

#include <QColor>

class QWidget;

namespace tk::ui {

// On X11, makes the server fill every exposed part of `window` (a top-level widget, given its geometry) with
// `colour`, creating its native window; returns false elsewhere, or when the server cannot give the colour.
// The caller then stops Qt from painting it: Qt's flushes would cover the server's fill.
bool fillByDisplayServer(QWidget& window, QColor colour);

} // namespace tk::ui
