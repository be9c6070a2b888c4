// SPDX-License-Identifier: GPL-3.0-or-later
// Paints a child's (or grown-up's) cartoon head: hair, face, glasses and hat.
#include "tools/assets/painter/HumanPainter.h"

#include "tools/assets/painter/FeatureKit.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

namespace {

// The head: an ellipse a little taller than wide, low enough to leave room for hair and hats.
const QPointF kHeadCentre(16.0, 17.6);
constexpr qreal kHeadRx = 10.2;
constexpr qreal kHeadRy = 11.0;
// The outer edge of a full head of hair.
const QPointF kHairCentre(16.0, 16.6);
constexpr qreal kHairRx = 11.1;
constexpr qreal kHairRy = 11.5;

QPointF onHair(qreal degrees, qreal scale) {
    const qreal a = degrees * M_PI / 180.0;
    return kHairCentre + QPointF(std::cos(a) * kHairRx * scale, std::sin(a) * kHairRy * scale);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF c, qreal r) {
    return FeatureKit::ellipsePath(c, r, r);
}

} // namespace

QPainterPath HumanPainter::cap(qreal middleY, qreal templeY) {
    QPainterPath above;
    above.moveTo(0, templeY);
    above.lineTo(4.5, templeY);
    above.cubicTo(7.5, middleY - 0.5, 24.5, middleY - 0.5, 27.5, templeY);
    above.lineTo(32, templeY);
    above.lineTo(32, -1);
    above.lineTo(0, -1);
    above.closeSubpath();
    return FeatureKit::ellipsePath(kHairCentre, kHairRx, kHairRy).intersected(above);
}

void HumanPainter::paint(QPainter& painter, const Face& face) {
    FeatureKit kit(painter);
    const QColor skinLine = FeatureKit::outlineFor(face.skin);
    // Ears first: long hair falls over them, the head hides their inner half.
    kit.ellipse(QPointF(5.9, 18.6), 2.3, 2.9, face.skin, skinLine);
    kit.ellipse(QPointF(26.1, 18.6), 2.3, 2.9, face.skin, skinLine);
    paintBackHair(kit, face);
    kit.ellipse(kHeadCentre, kHeadRx, kHeadRy, face.skin, skinLine);
    paintFace(kit, face);
    paintGlasses(kit, face);
    paintFrontHair(kit, face);
    paintHat(kit, face);
}

void HumanPainter::paintBackHair(FeatureKit& kit, const Face& face) {
    const QColor line = FeatureKit::outlineFor(face.hair);
    QPainterPath back;
    switch (face.hairStyle) {
    case HairStyle::Long: {
        QPainterPath body;
        body.addRoundedRect(QRectF(4.4, 14.0, 23.2, 16.0), 5.5, 5.5);
        back = FeatureKit::ellipsePath(QPointF(16, 15.8), 11.8, 11.2).united(body);
        break;
    }
    case HairStyle::Bob: {
        QPainterPath body;
        body.addRoundedRect(QRectF(4.3, 14.0, 23.4, 11.4), 2.0, 2.0);
        back = FeatureKit::ellipsePath(QPointF(16, 15.8), 11.7, 11.0).united(body);
        break;
    }
    case HairStyle::Afro:
        back = circle(QPointF(16, 14.6), 13.2);
        for (int i = 0; i < 14; ++i) {
            const qreal a = (i * 360.0 / 14) * M_PI / 180.0;
            back = back.united(circle(QPointF(16 + 12.8 * std::cos(a), 14.6 + 12.8 * std::sin(a)), 2.6));
        }
        back = back.intersected([] {
            QPainterPath frame;
            frame.addRect(QRectF(0, 0, 32, 32));
            return frame;
        }());
        break;
    case HairStyle::Pigtails:
        back = FeatureKit::ellipsePath(QPointF(3.9, 17.0), 3.2, 4.6)
                   .united(FeatureKit::ellipsePath(QPointF(28.1, 17.0), 3.2, 4.6));
        break;
    case HairStyle::Bun:
        back = circle(QPointF(16, 4.6), 4.2);
        break;
    case HairStyle::Ponytail: {
        QTransform tilt;
        tilt.translate(27.6, 17.0);
        tilt.rotate(-18);
        back = tilt.map(FeatureKit::ellipsePath(QPointF(0, 0), 3.0, 7.2));
        break;
    }
    default:
        return;
    }
    kit.outlined(back, face.hair, line);
    if (face.hairStyle == HairStyle::Pigtails) {
        kit.ellipse(QPointF(5.6, 13.6), 1.3, 1.3, face.hatColour, FeatureKit::outlineFor(face.hatColour),
                    0.6);
        kit.ellipse(QPointF(26.4, 13.6), 1.3, 1.3, face.hatColour, FeatureKit::outlineFor(face.hatColour),
                    0.6);
    }
}

void HumanPainter::paintFace(FeatureKit& kit, const Face& face) {
    const QColor shade = FeatureKit::mix(face.skin, QColor(90, 40, 20), 0.45);
    if (face.blush) kit.cheeks(QPointF(10.4, 21.9), QPointF(21.6, 21.9), 1.7);
    if (face.freckles) kit.freckles(QPointF(10.6, 21.0), QPointF(21.4, 21.0), face.skin);
    kit.eyes(face.eyes, QPointF(12.0, 17.6), QPointF(20.0, 17.6), 1.0, face.iris);

    QPainterPath nose;
    nose.moveTo(15.1, 20.4);
    nose.quadTo(16.0, 21.6, 16.9, 20.4);
    kit.stroke(nose, shade, 0.8);

    if (face.moustache) {
        QPainterPath half;
        half.moveTo(16.0, 21.7);
        half.cubicTo(14.2, 20.6, 11.6, 21.0, 11.0, 23.4);
        half.cubicTo(13.0, 22.8, 14.6, 23.3, 16.0, 22.8);
        kit.outlined(FeatureKit::withMirror(half), face.hair, FeatureKit::outlineFor(face.hair), 0.6);
        kit.mouth(face.mouth, QPointF(16.0, 24.9), 2.6);
    } else {
        kit.mouth(face.mouth, QPointF(16.0, 23.8), 3.2);
    }
}

void HumanPainter::paintGlasses(FeatureKit& kit, const Face& face) {
    if (face.glasses == Glasses::None) return;
    const QColor frame = face.hatColour;
    const QColor glass(255, 255, 255, 70);
    QPainterPath lenses;
    for (qreal x : {12.0, 20.0}) {
        if (face.glasses == Glasses::Round)
            lenses.addEllipse(QPointF(x, 17.6), 3.2, 3.0);
        else
            lenses.addRoundedRect(QRectF(x - 3.4, 15.0, 6.8, 5.2), 1.2, 1.2);
    }
    kit.outlined(lenses, glass, frame, 0.9);
    QPainterPath arms;
    arms.moveTo(15.0, 17.0);
    arms.quadTo(16.0, 16.2, 17.0, 17.0);
    arms.moveTo(8.7, 17.0);
    arms.lineTo(6.0, 16.2);
    arms.moveTo(23.3, 17.0);
    arms.lineTo(26.0, 16.2);
    kit.stroke(arms, frame, 0.9);
}

void HumanPainter::paintFrontHair(FeatureKit& kit, const Face& face) {
    const QColor line = FeatureKit::outlineFor(face.hair);
    QPainterPath front;
    switch (face.hairStyle) {
    case HairStyle::None:
        // Bald on top, a tuft over each ear.
        front = FeatureKit::ellipsePath(QPointF(6.6, 13.8), 2.2, 3.4)
                    .united(FeatureKit::ellipsePath(QPointF(25.4, 13.8), 2.2, 3.4));
        break;
    case HairStyle::Short:
        front = cap(10.8, 15.5);
        break;
    case HairStyle::Spiky: {
        QPolygonF zigzag;
        for (int i = 0; i <= 12; ++i)
            zigzag << onHair(190.0 + i * 13.33, i % 2 ? 1.28 : 0.92);
        zigzag << kHairCentre + QPointF(0, 2);
        QPainterPath spikes;
        spikes.addPolygon(zigzag);
        spikes.closeSubpath();
        front = cap(11.0, 15.0)
                    .united(spikes.intersected(
                        cap(12.0, 13.5).united(polygon({{0, 0}, {32, 0}, {32, 9}, {0, 9}}))));
        break;
    }
    case HairStyle::Curly:
    case HairStyle::Afro: {
        front = cap(11.0, 15.5);
        for (int i = 0; i <= 8; ++i)
            front = front.united(circle(onHair(185.0 + i * 21.25, 0.98), 2.5));
        for (qreal x : {9.0, 12.5, 16.0, 19.5, 23.0})
            front = front.united(circle(QPointF(x, 10.3 + std::abs(x - 16) * 0.12), 1.9));
        break;
    }
    case HairStyle::Long:
        front = cap(9.0, 22.0);
        break;
    case HairStyle::Bob: {
        QPainterPath window;
        window.addRoundedRect(QRectF(7.2, 12.2, 17.6, 20.0), 3.0, 3.0);
        QPainterPath outer = FeatureKit::ellipsePath(QPointF(16, 15.8), 11.7, 11.0);
        QPainterPath sides;
        sides.addRoundedRect(QRectF(4.3, 14.0, 23.4, 11.4), 2.0, 2.0);
        front = outer.united(sides).subtracted(window);
        break;
    }
    case HairStyle::Pigtails:
    case HairStyle::Ponytail:
        front = cap(10.4, 14.5);
        break;
    case HairStyle::Bun:
        front = cap(9.6, 14.0);
        break;
    case HairStyle::Mohawk:
        front = polygon({{12.6, 12.0},
                         {12.4, 6.0},
                         {13.6, 1.4},
                         {15.0, 4.6},
                         {16.0, 0.6},
                         {17.0, 4.6},
                         {18.4, 1.4},
                         {19.6, 6.0},
                         {19.4, 12.0},
                         {16.0, 11.0}});
        break;
    case HairStyle::SidePart: {
        QPainterPath above;
        above.moveTo(0, 17.5);
        above.lineTo(4.6, 17.5);
        above.cubicTo(5.5, 9.0, 14.0, 8.5, 20.5, 12.8);
        above.cubicTo(23.0, 13.8, 26.0, 12.0, 27.6, 15.0);
        above.lineTo(32, 15.0);
        above.lineTo(32, -1);
        above.lineTo(0, -1);
        above.closeSubpath();
        front = FeatureKit::ellipsePath(kHairCentre, kHairRx, kHairRy).intersected(above);
        break;
    }
    }
    kit.outlined(front, face.hair, line);
    if (face.hairStyle == HairStyle::Ponytail)
        kit.ellipse(QPointF(25.8, 10.8), 1.3, 1.3, face.hatColour, FeatureKit::outlineFor(face.hatColour),
                    0.6);
}

void HumanPainter::paintHat(FeatureKit& kit, const Face& face) {
    const QColor c = face.hatColour;
    const QColor line = FeatureKit::outlineFor(c);
    const QColor light = FeatureKit::mix(c, Qt::white, 0.45);
    switch (face.hat) {
    case Hat::None:
        return;
    case Hat::Cap: {
        QPainterPath dome = FeatureKit::ellipsePath(QPointF(16, 12.6), 11.2, 9.6)
                                .intersected(polygon({{0, -1}, {32, -1}, {32, 11.2}, {0, 11.2}}));
        kit.outlined(FeatureKit::ellipsePath(QPointF(9.0, 11.2), 7.2, 1.9),
                     FeatureKit::mix(c, Qt::black, 0.2), line);
        kit.outlined(dome, c, line);
        kit.ellipse(QPointF(16, 3.4), 1.1, 0.9, light, line, 0.6);
        return;
    }
    case Hat::Beanie: {
        QPainterPath dome = FeatureKit::ellipsePath(QPointF(16, 13.2), 11.4, 10.4)
                                .intersected(polygon({{0, -1}, {32, -1}, {32, 11.6}, {0, 11.6}}));
        kit.outlined(dome, c, line);
        QPainterPath band;
        band.addRoundedRect(QRectF(4.6, 9.0, 22.8, 3.4), 1.5, 1.5);
        kit.outlined(band, light, line);
        kit.ellipse(QPointF(16, 3.2), 2.6, 2.6, Qt::white, FeatureKit::outlineFor(Qt::white));
        return;
    }
    case Hat::PartyHat: {
        kit.outlined(polygon({{10.2, 9.6}, {21.8, 9.6}, {17.4, 1.0}}), c, line);
        for (QPointF d : {QPointF(14.0, 7.8), QPointF(18.6, 7.4), QPointF(16.8, 4.6)})
            kit.ellipse(d, 0.8, 0.8, Qt::white, Qt::white, 0);
        kit.ellipse(QPointF(17.4, 1.6), 1.5, 1.5, QColor(255, 220, 60),
                    FeatureKit::outlineFor(QColor(255, 220, 60)), 0.6);
        return;
    }
    case Hat::Crown: {
        const QColor gold(250, 200, 40);
        kit.outlined(polygon({{8.6, 10.2},
                              {8.0, 3.0},
                              {11.4, 6.6},
                              {13.6, 1.6},
                              {16.0, 6.0},
                              {18.4, 1.6},
                              {20.6, 6.6},
                              {24.0, 3.0},
                              {23.4, 10.2}}),
                     gold, FeatureKit::outlineFor(gold));
        kit.ellipse(QPointF(12.2, 8.4), 0.9, 0.9, QColor(230, 40, 60), QColor(230, 40, 60), 0);
        kit.ellipse(QPointF(16.0, 8.4), 0.9, 0.9, QColor(40, 120, 240), QColor(40, 120, 240), 0);
        kit.ellipse(QPointF(19.8, 8.4), 0.9, 0.9, QColor(40, 190, 90), QColor(40, 190, 90), 0);
        return;
    }
    case Hat::Bow:
        kit.outlined(polygon({{23.4, 7.4}, {19.2, 4.2}, {19.4, 10.6}}), c, line, 0.7);
        kit.outlined(polygon({{23.4, 7.4}, {27.6, 4.2}, {27.4, 10.6}}), c, line, 0.7);
        kit.ellipse(QPointF(23.4, 7.4), 1.4, 1.4, light, line, 0.7);
        return;
    case Hat::Flower:
        for (int i = 0; i < 5; ++i) {
            const qreal a = (i * 72.0 - 90.0) * M_PI / 180.0;
            kit.ellipse(QPointF(23.6 + 2.0 * std::cos(a), 7.6 + 2.0 * std::sin(a)), 1.6, 1.6, c, line, 0.6);
        }
        kit.ellipse(QPointF(23.6, 7.6), 1.3, 1.3, QColor(255, 215, 50), QColor(200, 140, 20), 0.5);
        return;
    case Hat::Headband: {
        QPainterPath band;
        const QRectF oval(kHairCentre.x() - kHairRx * 0.93, kHairCentre.y() - kHairRy * 0.93 + 1.0,
                          2 * kHairRx * 0.93, 2 * kHairRy * 0.93);
        band.arcMoveTo(oval, 160);
        band.arcTo(oval, 160, -140);
        kit.stroke(band, line, 2.9);
        kit.stroke(band, c, 2.0);
        return;
    }
    }
}
