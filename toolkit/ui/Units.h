// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry in twips turned into logical pixels, and colours given as RGB triples.
#pragma once

#include "toolkit/core/Twips.h"
#include "toolkit/ui/Zoom.h"

#include <QColor>
#include <QPoint>
#include <QRect>

namespace tk::ui {

inline int px(double twips) {
    return tk::twipsToPixels(twips * zoom());
}

// At the designed size each length rounds on its own, as the windows were laid out; zoomed, the edges
// round instead, so that boxes that meet still meet.
inline QRect twipsRect(double left, double top, double width, double height) {
    if (zoom() == 1.0) return {px(left), px(top), px(width), px(height)};
    return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

inline QPoint twipsPoint(double x, double y) {
    return {px(x), px(y)};
}

inline QPointF toTwips(QPointF pixels) {
    return pixels * tk::kTwipsPerPixel / zoom();
}

// The desktop's window background and window text colours.
QColor systemWindowColour();
QColor systemTextColour();

} // namespace tk::ui
