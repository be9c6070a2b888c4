// SPDX-License-Identifier: GPL-3.0-or-later
// How sharp text is at a ratio: glyph edges drawn at the device's resolution stay one device pixel wide,
// where text painted at one pixel per logical pixel and enlarged has edges `ratio` device pixels wide.
#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>

namespace scaling {

struct Sharpness {
    // Device pixels of the text that are neither its background nor its ink: the soft edges of glyphs.
    int softPixels = 0;
    // The same count in the text painted at one pixel per logical pixel and enlarged to the ratio.
    int softPixelsEnlarged = 0;
};

// Text in `area` (logical pixels) of `logical` and of `scaled` (painted at the whole ratio `ratio`), in the
// colour `ink` on the area's commonest colour.
Sharpness sharpnessOf(const QImage& logical, const QImage& scaled, int ratio, const QRegion& area,
                      QColor ink);

} // namespace scaling
