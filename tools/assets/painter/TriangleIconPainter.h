// SPDX-License-Identifier: GPL-3.0-or-later
// Paints cestaro's program icon at large sizes: a sum triangle of white circles on a teal rounded square.
#pragma once

#include <QImage>

class TriangleIconPainter {
public:
    // The design of the 32-pixel pixel-art icon (apex 8 over 3 and 5 over 1, 2 and 3; the givens 8, 1
    // and 3 in red) at `size` x `size` pixels, with smooth edges and Liberation Sans Bold digits.
    // Throws std::runtime_error if the font is missing.
    static QImage paint(int size);
};
