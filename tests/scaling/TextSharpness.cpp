// SPDX-License-Identifier: GPL-3.0-or-later
// Counting the soft edge pixels of text in a painting and in its enlargement.
#include "tests/scaling/TextSharpness.h"

#include <QHash>
#include <algorithm>

namespace scaling {

namespace {

// Calls `visit` with each pixel of `image` in `area` (in the image's own pixels).
template <typename Visit> void forEachPixel(const QImage& image, const QRegion& area, Visit visit) {
    for (const QRect& r : area.intersected(image.rect()))
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                visit(image.pixel(x, y));
}

QRegion scaledBy(const QRegion& area, int ratio) {
    QRegion scaled;
    for (const QRect& r : area)
        scaled += QRect(r.topLeft() * ratio, r.size() * ratio);
    return scaled;
}

} // namespace

Sharpness sharpnessOf(const QImage& logical, const QImage& scaled, int ratio, const QRegion& area,
                      QColor ink) {
    QHash<QRgb, int> counts;
    forEachPixel(logical, area, [&](QRgb pixel) { ++counts[pixel]; });
    if (counts.isEmpty()) return {};
    const QRgb background = std::max_element(counts.cbegin(), counts.cend()).key(), inkColour = ink.rgb();
    auto isSoft = [&](QRgb pixel) { return pixel != background && pixel != inkColour; };

    Sharpness sharpness;
    forEachPixel(scaled, scaledBy(area, ratio), [&](QRgb pixel) { sharpness.softPixels += isSoft(pixel); });
    // Enlarged, each logical pixel becomes ratio x ratio device pixels of its colour.
    forEachPixel(logical, area,
                 [&](QRgb pixel) { sharpness.softPixelsEnlarged += isSoft(pixel) * ratio * ratio; });
    return sharpness;
}

} // namespace scaling
