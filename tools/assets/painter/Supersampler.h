// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a picture several times larger than needed and averages it down, for clean edges at icon sizes.
#pragma once

#include <QImage>
#include <functional>

class QPainter;

class Supersampler {
public:
    // Calls `draw` on a painter whose unit is one output pixel, at `factor` times the size, then
    // averages each factor x factor block. The result is RGBA with straight (not premultiplied) alpha.
    static QImage render(int width, int height, int factor, const std::function<void(QPainter&)>& draw);
};
