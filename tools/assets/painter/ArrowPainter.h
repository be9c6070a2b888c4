// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the hint arrow of the exercise windows: a blue arrow curving down to the lower left.
#pragma once

#include <QImage>

class ArrowPainter {
public:
    static constexpr int kWidth = 110;
    static constexpr int kHeight = 80;
    // Opaque, on the exercise windows' background colour (255, 255, 192).
    static QImage paint();
};
