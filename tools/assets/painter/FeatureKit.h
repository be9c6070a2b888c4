// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing pieces shared by human and animal portraits: outlined shapes, eyes, mouths, cheeks.
#pragma once

#include "tools/assets/painter/Face.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

class FeatureKit {
public:
    // Coordinates are in portrait pixels (the portrait is 32 x 32); the painter scales them.
    explicit FeatureKit(QPainter& painter)
        : p_(painter) {}

    // Fills `shape` and strokes its edge; `width` in portrait pixels (0: no stroke).
    void outlined(const QPainterPath& shape, const QColor& fill, const QColor& line, qreal width = 0.9);
    void ellipse(QPointF centre, qreal rx, qreal ry, const QColor& fill, const QColor& line,
                 qreal width = 0.9);
    void stroke(const QPainterPath& path, const QColor& line, qreal width);

    // A pair of eyes centred on `left` and `right`; `size` 1 is a child's eye at this scale.
    void eyes(Eyes kind, QPointF left, QPointF right, qreal size, const QColor& iris);
    // A mouth whose corners lie `halfWidth` either side of `centre`.
    void mouth(Mouth kind, QPointF centre, qreal halfWidth);
    void cheeks(QPointF left, QPointF right, qreal radius);
    void freckles(QPointF left, QPointF right, const QColor& skin);

    static QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry);
    // `shape` reflected about the portrait's middle (x = 16).
    static QPainterPath mirrored(const QPainterPath& shape);
    // A closed outline from its left half: `half` is open, running from a point on the middle (x = 16)
    // round the left side to another point on the middle.
    static QPainterPath withMirror(const QPainterPath& half);
    // The colour of outlines drawn around an area of colour `fill`.
    static QColor outlineFor(const QColor& fill);
    static QColor mix(const QColor& a, const QColor& b, qreal towardsB);

    static const QColor kInk;   // eyes and dark marks
    static const QColor kLip;   // mouth lines
    static const QColor kWhite; // eye whites, teeth, highlights

private:
    void eye(Eyes kind, QPointF centre, qreal size, const QColor& iris, bool right);
    QPainter& p_;
};
