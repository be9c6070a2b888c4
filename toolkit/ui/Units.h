// Geometry in twips turned into logical pixels, and colours given as RGB triples.
#pragma once

#include "Twips.h"

#include <QColor>
#include <QPoint>
#include <QRect>

namespace tk::ui {

inline int px(double twips) {
    return tk::twipsToPixels(twips);
}

inline QRect twipsRect(double left, double top, double width, double height) {
    return {px(left), px(top), px(width), px(height)};
}

inline QPoint twipsPoint(double x, double y) {
    return {px(x), px(y)};
}

inline QPointF toTwips(QPointF pixels) {
    return pixels * tk::kTwipsPerPixel;
}

inline QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

// The desktop's window background and window text colours.
QColor systemWindowColour();
QColor systemTextColour();

} // namespace tk::ui
