// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing pieces shared by human and animal portraits.
#include "tools/assets/painter/FeatureKit.h"

#include <QPainter>
#include <QTransform>

const QColor FeatureKit::kInk(40, 28, 28);
const QColor FeatureKit::kLip(130, 40, 40);
const QColor FeatureKit::kWhite(255, 255, 255);

QPainterPath FeatureKit::ellipsePath(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath FeatureKit::mirrored(const QPainterPath& shape) {
    return QTransform(-1, 0, 0, 1, 32, 0).map(shape);
}

QPainterPath FeatureKit::withMirror(const QPainterPath& half) {
    QPainterPath whole = half;
    whole.connectPath(mirrored(half).toReversed());
    whole.closeSubpath();
    return whole;
}

QColor FeatureKit::mix(const QColor& a, const QColor& b, qreal towardsB) {
    auto channel = [towardsB](int x, int y) { return qRound(x + (y - x) * towardsB); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QColor FeatureKit::outlineFor(const QColor& fill) {
    // Dark and warm, a little of the fill showing through, so light and dark areas both read.
    return mix(fill, QColor(35, 20, 15), 0.72);
}

void FeatureKit::outlined(const QPainterPath& shape, const QColor& fill, const QColor& line, qreal width) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(fill);
    p_.drawPath(shape);
    if (width > 0) stroke(shape, line, width);
}

void FeatureKit::ellipse(QPointF centre, qreal rx, qreal ry, const QColor& fill, const QColor& line,
                         qreal width) {
    outlined(ellipsePath(centre, rx, ry), fill, line, width);
}

void FeatureKit::stroke(const QPainterPath& path, const QColor& line, qreal width) {
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawPath(path);
}

void FeatureKit::eyes(Eyes kind, QPointF left, QPointF right, qreal size, const QColor& iris) {
    if (kind == Eyes::Wink) {
        eye(Eyes::Dots, left, size, iris, false);
        eye(Eyes::Happy, right, size, iris, true);
        return;
    }
    eye(kind, left, size, iris, false);
    eye(kind, right, size, iris, true);
}

void FeatureKit::eye(Eyes kind, QPointF c, qreal s, const QColor& iris, bool right) {
    switch (kind) {
    case Eyes::Happy: {
        QPainterPath arc;
        arc.moveTo(c.x() - 1.7 * s, c.y() + 0.6 * s);
        arc.quadTo(c.x(), c.y() - 1.9 * s, c.x() + 1.7 * s, c.y() + 0.6 * s);
        stroke(arc, kInk, 1.0 * s);
        return;
    }
    case Eyes::Big:
        ellipse(c, 2.3 * s, 2.7 * s, kWhite, kInk, 0.6 * s);
        ellipse(c + QPointF(0, 0.3 * s), 1.6 * s, 1.9 * s, iris, iris, 0);
        ellipse(c + QPointF(0, 0.4 * s), 0.85 * s, 1.0 * s, kInk, kInk, 0);
        ellipse(c + QPointF(-0.6 * s, -0.5 * s), 0.55 * s, 0.55 * s, kWhite, kWhite, 0);
        return;
    case Eyes::Lashes: {
        QPainterPath lash;
        const qreal side = right ? 1.0 : -1.0;
        lash.moveTo(c.x() + side * 1.1 * s, c.y() - 1.2 * s);
        lash.lineTo(c.x() + side * 2.3 * s, c.y() - 2.2 * s);
        stroke(lash, kInk, 0.7 * s);
        [[fallthrough]];
    }
    case Eyes::Dots:
    case Eyes::Wink:
        ellipse(c, 1.35 * s, 1.75 * s, kInk, kInk, 0);
        ellipse(c + QPointF(-0.45 * s, -0.65 * s), 0.55 * s, 0.55 * s, kWhite, kWhite, 0);
        return;
    }
}

void FeatureKit::mouth(Mouth kind, QPointF c, qreal w) {
    const QColor inside(150, 30, 45);
    const QColor tongue(245, 120, 130);
    switch (kind) {
    case Mouth::Smile: {
        QPainterPath arc;
        arc.moveTo(c.x() - w, c.y() - 0.4);
        arc.quadTo(c.x(), c.y() + 0.75 * w, c.x() + w, c.y() - 0.4);
        stroke(arc, kLip, 1.0);
        return;
    }
    case Mouth::Wide: {
        QPainterPath arc;
        arc.moveTo(c.x() - 1.3 * w, c.y() - 1.0);
        arc.quadTo(c.x(), c.y() + 0.9 * w, c.x() + 1.3 * w, c.y() - 1.0);
        stroke(arc, kLip, 1.0);
        return;
    }
    case Mouth::Grin:
    case Mouth::Tongue: {
        // A "D" turned on its side: flat top with teeth, round bottom.
        QPainterPath shape;
        shape.moveTo(c.x() - w, c.y() - 0.8);
        shape.lineTo(c.x() + w, c.y() - 0.8);
        shape.quadTo(c.x() + w, c.y() + 0.9 * w, c.x(), c.y() + 0.9 * w);
        shape.quadTo(c.x() - w, c.y() + 0.9 * w, c.x() - w, c.y() - 0.8);
        outlined(shape, inside, kLip, 0);
        p_.save();
        p_.setClipPath(shape);
        p_.setPen(Qt::NoPen);
        p_.setBrush(kWhite);
        if (kind == Mouth::Grin) p_.drawRect(QRectF(c.x() - w, c.y() - 0.8, 2 * w, 1.1));
        p_.setBrush(tongue);
        p_.drawEllipse(QPointF(c.x(), c.y() + 1.05 * w), 0.7 * w, 0.6 * w);
        p_.restore();
        stroke(shape, kLip, 0.8);
        return;
    }
    case Mouth::Open: {
        // A small laughing mouth, wider than tall.
        const QPainterPath shape = ellipsePath(c + QPointF(0, 0.5), 0.6 * w, 0.5 * w);
        outlined(shape, inside, kLip, 0);
        p_.save();
        p_.setClipPath(shape);
        ellipse(c + QPointF(0, 0.5 + 0.5 * w), 0.45 * w, 0.35 * w, tongue, tongue, 0);
        p_.restore();
        stroke(shape, kLip, 0.7);
        return;
    }
    }
}

void FeatureKit::cheeks(QPointF left, QPointF right, qreal radius) {
    const QColor blush(255, 110, 120, 120);
    ellipse(left, radius * 1.2, radius * 0.8, blush, blush, 0);
    ellipse(right, radius * 1.2, radius * 0.8, blush, blush, 0);
}

void FeatureKit::freckles(QPointF left, QPointF right, const QColor& skin) {
    const QColor dot = mix(skin, QColor(120, 60, 30), 0.55);
    for (QPointF c : {left, right}) {
        for (QPointF d : {QPointF(-1.3, -0.4), QPointF(0.0, 0.5), QPointF(1.3, -0.4)})
            ellipse(c + d, 0.42, 0.42, dot, dot, 0);
    }
}
