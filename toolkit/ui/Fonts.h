// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts named as the windows name them, sized in points at 96 dpi whatever the screen's DPI, times the zoom.
#pragma once

#include <QFont>
#include <QString>

namespace tk::ui {

enum class Weight { Regular, Bold };

QFont makeFont(const QString& family, double points, Weight weight = Weight::Bold);

// Maps Windows font names to metric-compatible free fonts (Arial and MS Sans Serif to Liberation Sans,
// Verdana to DejaVu Sans). Call once before any window is built.
void installFontSubstitutions();

} // namespace tk::ui
