// SPDX-License-Identifier: GPL-3.0-or-later
// Paints friendly cartoon animal heads: cats, dogs, bears, frogs, owls and the rest of the zoo.
#include "tools/assets/painter/AnimalPainter.h"

#include "tools/assets/painter/FeatureKit.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

namespace {

const QColor kPink(245, 150, 165);
const QColor kCream(255, 246, 225);
const QColor kNose(60, 40, 40);

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath tilted(QPointF centre, qreal rx, qreal ry, qreal degrees) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(FeatureKit::ellipsePath(QPointF(0, 0), rx, ry));
}

// Everything one animal's painting needs: the kit, the face and its two fur colours with their outlines.
struct Sketch {
    FeatureKit& kit;
    const Face& face;
    QColor fur, furLine, second, secondLine;

    void head(QPointF c, qreal rx, qreal ry) { kit.ellipse(c, rx, ry, fur, furLine); }
    void eyes(qreal y = 17.2, qreal gap = 4.0, qreal size = 1.0) {
        kit.eyes(face.eyes, QPointF(16 - gap, y), QPointF(16 + gap, y), size, face.iris);
    }
    void nose(QPointF c, qreal rx, qreal ry, const QColor& colour = kNose) {
        kit.ellipse(c, rx, ry, colour, FeatureKit::outlineFor(colour), 0.5);
        kit.ellipse(c + QPointF(-rx * 0.35, -ry * 0.35), rx * 0.3, ry * 0.3, QColor(255, 255, 255, 150),
                    Qt::transparent, 0);
    }
    // The "w" of a cat's or a rabbit's mouth under a nose at `c`.
    void snoutMouth(QPointF c) {
        QPainterPath w;
        w.moveTo(c.x() - 2.4, c.y() + 1.0);
        w.quadTo(c.x() - 1.2, c.y() + 2.4, c.x(), c.y() + 0.6);
        w.quadTo(c.x() + 1.2, c.y() + 2.4, c.x() + 2.4, c.y() + 1.0);
        kit.stroke(w, FeatureKit::kLip, 0.8);
    }
    void whiskers(qreal y) {
        QPainterPath lines;
        for (qreal dy : {-1.0, 0.6}) {
            lines.moveTo(11.0, y + dy * 0.5);
            lines.lineTo(4.2, y + dy * 1.4);
            lines.moveTo(21.0, y + dy * 0.5);
            lines.lineTo(27.8, y + dy * 1.4);
        }
        kit.stroke(lines, FeatureKit::mix(furLine, fur, 0.25), 0.55);
    }
    void blush(qreal y = 21.0) { kit.cheeks(QPointF(9.6, y), QPointF(22.4, y), 1.6); }
    // A shape on the left of the face and its mirror image on the right.
    void pair(std::initializer_list<QPointF> left, const QColor& fill, const QColor& line,
              qreal width = 0.9) {
        const QPainterPath shape = polygon(left);
        kit.outlined(shape, fill, line, width);
        kit.outlined(FeatureKit::mirrored(shape), fill, line, width);
    }
    // A closed-mouth smile from 16 - halfWidth to 16 + halfWidth at height y, dipping by `depth`.
    void smile(qreal y, qreal halfWidth, qreal depth, const QColor& colour = FeatureKit::kLip,
               qreal width = 0.8) {
        QPainterPath arc;
        arc.moveTo(16 - halfWidth, y);
        arc.quadTo(16, y + depth, 16 + halfWidth, y);
        kit.stroke(arc, colour, width);
    }
    void nostrils(qreal y, qreal gap, qreal rx, qreal ry, const QColor& colour) {
        kit.ellipse(QPointF(16 - gap, y), rx, ry, colour, Qt::transparent, 0);
        kit.ellipse(QPointF(16 + gap, y), rx, ry, colour, Qt::transparent, 0);
    }
};

void cat(Sketch& s) {
    s.pair({{5.2, 14.0}, {6.0, 2.2}, {14.0, 9.0}}, s.fur, s.furLine);
    s.pair({{7.4, 11.0}, {7.6, 5.0}, {11.6, 9.2}}, kPink, kPink, 0);
    s.head(QPointF(16, 18.4), 11.2, 10.0);
    // Tabby stripes on the forehead in the second colour.
    QPainterPath stripes;
    for (qreal x : {13.6, 16.0, 18.4}) {
        stripes.moveTo(x, 9.2);
        stripes.lineTo(x, 12.0 - std::abs(x - 16) * 0.3);
    }
    s.kit.stroke(stripes, s.second, 1.0);
    s.kit.ellipse(QPointF(16, 22.6), 5.0, 3.4, FeatureKit::mix(s.fur, Qt::white, 0.6), Qt::transparent, 0);
    s.eyes();
    s.kit.outlined(polygon({{14.6, 20.4}, {17.4, 20.4}, {16.0, 22.0}}), kPink, FeatureKit::outlineFor(kPink),
                   0.5);
    s.snoutMouth(QPointF(16, 21.6));
    s.whiskers(22.2);
    if (s.face.blush) s.blush(21.6);
}

void dog(Sketch& s) {
    s.head(QPointF(16, 17.6), 10.4, 10.6);
    // A patch round one eye.
    s.kit.ellipse(QPointF(20.4, 16.4), 3.6, 3.9, s.second, s.second, 0);
    s.kit.outlined(tilted(QPointF(5.4, 15.6), 3.2, 7.0, 18), s.second, s.secondLine);
    s.kit.outlined(tilted(QPointF(26.6, 15.6), 3.2, 7.0, -18), s.second, s.secondLine);
    s.kit.ellipse(QPointF(16, 23.2), 5.6, 4.4, FeatureKit::mix(s.fur, Qt::white, 0.55), s.furLine, 0.7);
    s.eyes(16.6);
    s.nose(QPointF(16, 20.6), 2.0, 1.4);
    s.kit.mouth(s.face.mouth, QPointF(16, 23.4), 2.6);
}

void roundEared(Sketch& s, const QColor& ear, const QColor& inner) {
    for (qreal x : {7.0, 25.0}) {
        s.kit.ellipse(QPointF(x, 8.6), 4.0, 4.0, ear, FeatureKit::outlineFor(ear));
        s.kit.ellipse(QPointF(x, 8.8), 2.2, 2.2, inner, inner, 0);
    }
}

void bear(Sketch& s) {
    roundEared(s, s.fur, s.second);
    s.head(QPointF(16, 18.0), 11.0, 10.4);
    s.kit.ellipse(QPointF(16, 22.6), 5.2, 4.2, s.second, s.secondLine, 0.7);
    s.eyes(16.4);
    s.nose(QPointF(16, 20.4), 2.2, 1.5);
    s.kit.mouth(s.face.mouth, QPointF(16, 23.2), 2.4);
    if (s.face.blush) s.blush(21.4);
}

void panda(Sketch& s) {
    const QColor black(40, 40, 45);
    roundEared(s, black, QColor(70, 70, 80));
    s.head(QPointF(16, 18.0), 11.0, 10.4);
    s.kit.outlined(tilted(QPointF(11.6, 17.2), 3.0, 3.9, 30), black, black, 0);
    s.kit.outlined(tilted(QPointF(20.4, 17.2), 3.0, 3.9, -30), black, black, 0);
    s.kit.ellipse(QPointF(12.0, 16.8), 1.3, 1.5, FeatureKit::kWhite, FeatureKit::kWhite, 0);
    s.kit.ellipse(QPointF(20.0, 16.8), 1.3, 1.5, FeatureKit::kWhite, FeatureKit::kWhite, 0);
    s.kit.ellipse(QPointF(12.2, 17.1), 0.7, 0.8, black, black, 0);
    s.kit.ellipse(QPointF(19.8, 17.1), 0.7, 0.8, black, black, 0);
    s.nose(QPointF(16, 21.0), 1.9, 1.3, black);
    s.kit.mouth(s.face.mouth, QPointF(16, 23.6), 2.4);
    s.blush(22.0);
}

void rabbit(Sketch& s) {
    for (qreal sign : {-1.0, 1.0}) {
        s.kit.outlined(tilted(QPointF(16 + sign * 4.6, 7.0), 2.8, 7.0, sign * 10), s.fur, s.furLine);
        s.kit.outlined(tilted(QPointF(16 + sign * 4.6, 7.4), 1.3, 5.0, sign * 10), kPink, kPink, 0);
    }
    s.head(QPointF(16, 20.6), 10.0, 9.0);
    s.eyes(19.2, 3.8);
    s.kit.ellipse(QPointF(16, 22.4), 1.4, 1.0, kPink, FeatureKit::outlineFor(kPink), 0.5);
    QPainterPath teeth;
    teeth.addRect(QRectF(14.9, 24.3, 2.2, 2.0));
    s.kit.outlined(teeth, FeatureKit::kWhite, FeatureKit::kLip, 0.5);
    s.snoutMouth(QPointF(16, 23.0));
    s.whiskers(23.4);
    s.blush(23.2);
}

void mouse(Sketch& s) {
    for (qreal x : {6.4, 25.6}) {
        s.kit.ellipse(QPointF(x, 9.4), 5.6, 5.6, s.fur, s.furLine);
        s.kit.ellipse(QPointF(x, 9.8), 3.6, 3.6, kPink, kPink, 0);
    }
    s.head(QPointF(16, 19.6), 9.4, 9.4);
    s.eyes(18.4, 3.6);
    s.nose(QPointF(16, 22.4), 1.5, 1.2, kPink);
    s.snoutMouth(QPointF(16, 23.2));
    s.whiskers(23.0);
    if (s.face.blush) s.blush(22.6);
}

void frog(Sketch& s) {
    const QColor belly = FeatureKit::mix(s.fur, QColor(255, 255, 190), 0.5);
    for (qreal x : {10.2, 21.8})
        s.kit.ellipse(QPointF(x, 11.4), 4.6, 4.4, s.fur, s.furLine);
    s.head(QPointF(16, 20.2), 12.6, 9.0);
    s.kit.ellipse(QPointF(16, 24.8), 8.0, 3.8, belly, Qt::transparent, 0);
    for (qreal x : {10.2, 21.8})
        s.kit.ellipse(QPointF(x, 11.0), 3.0, 3.0, FeatureKit::kWhite, FeatureKit::kWhite, 0);
    s.kit.eyes(s.face.eyes, QPointF(10.2, 11.4), QPointF(21.8, 11.4), 1.0, s.face.iris);
    s.smile(20.6, 8.0, 6.4, FeatureKit::outlineFor(s.fur), 1.0);
    s.blush(20.6);
}

void lion(Sketch& s) {
    QPainterPath mane = FeatureKit::ellipsePath(QPointF(16, 16.8), 12.6, 12.6);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * 30.0 * M_PI / 180.0;
        mane = mane.united(
            FeatureKit::ellipsePath(QPointF(16 + 12.4 * std::cos(a), 16.8 + 12.4 * std::sin(a)), 3.0, 3.0));
    }
    mane = mane.intersected(polygon({{0, 0}, {32, 0}, {32, 32}, {0, 32}}));
    s.kit.outlined(mane, s.second, s.secondLine);
    for (qreal x : {9.4, 22.6})
        s.kit.ellipse(QPointF(x, 9.4), 2.6, 2.6, s.fur, s.furLine);
    s.head(QPointF(16, 17.8), 8.8, 8.6);
    s.kit.ellipse(QPointF(16, 21.4), 4.2, 3.2, kCream, Qt::transparent, 0);
    s.eyes(15.8, 3.6);
    s.kit.outlined(polygon({{14.4, 19.0}, {17.6, 19.0}, {16.0, 20.8}}), QColor(120, 70, 50), kNose, 0.5);
    s.snoutMouth(QPointF(16, 20.4));
    s.blush(19.8);
}

void pig(Sketch& s) {
    const QColor snout = FeatureKit::mix(s.fur, QColor(230, 110, 130), 0.4);
    s.pair({{6.0, 11.0}, {5.4, 3.6}, {12.6, 8.0}}, s.fur, s.furLine);
    s.head(QPointF(16, 18.0), 11.0, 10.2);
    s.eyes(15.6, 4.4);
    s.kit.ellipse(QPointF(16, 21.0), 4.4, 3.2, snout, FeatureKit::outlineFor(snout), 0.7);
    s.nostrils(21.0, 1.4, 0.8, 1.2, FeatureKit::outlineFor(snout));
    s.smile(25.4, 2.6, 1.8, FeatureKit::kLip, 0.9);
    s.blush(21.6);
}

void fox(Sketch& s) {
    const QColor tips(60, 40, 35);
    s.pair({{4.6, 13.0}, {5.6, 1.4}, {13.4, 8.0}}, s.fur, s.furLine);
    s.pair({{5.4, 5.2}, {5.6, 1.4}, {8.6, 3.8}}, tips, tips, 0);
    // A face wider at the cheeks, narrowing to the chin, white below the cheeks.
    QPainterPath half;
    half.moveTo(16, 7.4);
    half.cubicTo(8.0, 7.4, 3.4, 12.0, 3.6, 18.4);
    half.cubicTo(8.0, 21.0, 12.0, 27.6, 16.0, 28.4);
    const QPainterPath face = FeatureKit::withMirror(half);
    s.kit.outlined(face, s.fur, s.furLine);
    QPainterPath whiteHalf;
    whiteHalf.moveTo(16.0, 21.0);
    whiteHalf.cubicTo(13.0, 19.0, 9.0, 17.0, 3.8, 18.4);
    whiteHalf.cubicTo(8.0, 21.0, 12.0, 27.4, 16.0, 28.2);
    s.kit.outlined(FeatureKit::withMirror(whiteHalf), s.second, s.second, 0);
    s.kit.stroke(face, s.furLine, 0.9);
    s.eyes(15.6, 4.4);
    s.nose(QPointF(16, 22.4), 1.6, 1.2);
    s.snoutMouth(QPointF(16, 23.0));
}

void monkey(Sketch& s) {
    const QColor skin = s.second;
    for (qreal x : {4.8, 27.2}) {
        s.kit.ellipse(QPointF(x, 17.6), 3.6, 3.8, s.fur, s.furLine);
        s.kit.ellipse(QPointF(x, 17.6), 2.0, 2.2, skin, skin, 0);
    }
    s.head(QPointF(16, 17.2), 10.2, 10.6);
    QPainterPath mask = FeatureKit::ellipsePath(QPointF(12.4, 16.0), 4.2, 4.6)
                            .united(FeatureKit::ellipsePath(QPointF(19.6, 16.0), 4.2, 4.6))
                            .united(FeatureKit::ellipsePath(QPointF(16, 22.4), 7.4, 5.0));
    s.kit.outlined(mask, skin, FeatureKit::outlineFor(skin), 0.6);
    s.eyes(16.2, 3.8);
    s.nostrils(20.2, 1.0, 0.6, 0.5, FeatureKit::outlineFor(skin));
    s.kit.mouth(s.face.mouth, QPointF(16, 23.2), 3.4);
}

void owl(Sketch& s) {
    s.pair({{5.0, 12.0}, {5.0, 3.0}, {11.0, 8.4}}, s.fur, s.furLine);
    s.head(QPointF(16, 18.2), 11.4, 11.2);
    // Chest feathers as little arcs.
    QPainterPath feathers;
    for (QPointF c : {QPointF(12.4, 25.4), QPointF(16.0, 26.6), QPointF(19.6, 25.4)}) {
        feathers.moveTo(c.x() - 1.4, c.y());
        feathers.quadTo(c.x(), c.y() + 1.6, c.x() + 1.4, c.y());
    }
    s.kit.stroke(feathers, s.second, 0.8);
    for (qreal x : {11.4, 20.6})
        s.kit.ellipse(QPointF(x, 16.4), 4.4, 4.4, kCream, s.secondLine, 0.7);
    s.kit.eyes(s.face.eyes, QPointF(11.4, 16.6), QPointF(20.6, 16.6), 1.15, s.face.iris);
    const QColor beak(250, 175, 40);
    s.kit.outlined(polygon({{14.4, 20.4}, {17.6, 20.4}, {16.0, 23.6}}), beak, FeatureKit::outlineFor(beak),
                   0.6);
}

void penguin(Sketch& s) {
    s.head(QPointF(16, 17.4), 11.4, 11.6);
    QPainterPath face = FeatureKit::ellipsePath(QPointF(12.0, 18.0), 5.6, 7.0)
                            .united(FeatureKit::ellipsePath(QPointF(20.0, 18.0), 5.6, 7.0))
                            .united(FeatureKit::ellipsePath(QPointF(16.0, 23.0), 7.6, 5.2));
    s.kit.outlined(face, s.second, s.second, 0);
    s.eyes(17.0);
    const QColor beak(250, 150, 40);
    s.kit.outlined(polygon({{13.4, 20.6}, {18.6, 20.6}, {16.0, 23.6}}), beak, FeatureKit::outlineFor(beak),
                   0.6);
    s.blush(21.6);
}

void koala(Sketch& s) {
    for (qreal x : {5.4, 26.6}) {
        s.kit.ellipse(QPointF(x, 11.0), 5.2, 5.0, s.fur, s.furLine);
        s.kit.ellipse(QPointF(x, 11.4), 3.0, 2.8, s.second, s.second, 0);
    }
    s.head(QPointF(16, 18.6), 10.4, 9.8);
    s.eyes(16.8, 4.6, 0.9);
    s.nose(QPointF(16, 20.8), 2.4, 3.0, QColor(55, 50, 60));
    s.smile(24.8, 2.4, 1.8);
    s.blush(21.8);
}

void tiger(Sketch& s) {
    roundEared(s, s.fur, kCream);
    s.head(QPointF(16, 18.0), 11.2, 10.4);
    s.kit.ellipse(QPointF(16, 22.6), 6.0, 4.4, kCream, Qt::transparent, 0);
    QPainterPath stripes;
    stripes.moveTo(16.0, 8.0);
    stripes.lineTo(16.0, 11.2);
    stripes.moveTo(13.4, 8.4);
    stripes.lineTo(14.2, 10.6);
    stripes.moveTo(18.6, 8.4);
    stripes.lineTo(17.8, 10.6);
    for (qreal sign : {-1.0, 1.0}) {
        stripes.moveTo(16 + sign * 11.0, 16.4);
        stripes.lineTo(16 + sign * 8.4, 17.4);
        stripes.moveTo(16 + sign * 11.0, 20.0);
        stripes.lineTo(16 + sign * 8.6, 20.4);
    }
    s.kit.stroke(stripes, s.second, 1.1);
    s.eyes(16.2);
    s.nose(QPointF(16, 20.6), 1.8, 1.3, QColor(200, 90, 90));
    s.snoutMouth(QPointF(16, 21.4));
}

void chick(Sketch& s) {
    QPainterPath tuft;
    tuft.moveTo(16, 7.6);
    tuft.quadTo(14.0, 3.0, 15.6, 2.0);
    tuft.moveTo(16, 7.6);
    tuft.quadTo(18.6, 3.4, 19.4, 3.6);
    s.kit.stroke(tuft, s.furLine, 1.2);
    s.head(QPointF(16, 18.2), 11.4, 11.0);
    s.eyes(16.0, 4.4);
    const QColor beak(250, 140, 30);
    s.kit.outlined(polygon({{13.4, 19.8}, {16.0, 18.4}, {18.6, 19.8}, {16.0, 22.6}}), beak,
                   FeatureKit::outlineFor(beak), 0.6);
    s.blush(20.6);
}

void cow(Sketch& s) {
    const QColor horn(240, 225, 180);
    s.kit.outlined(tilted(QPointF(9.4, 5.8), 1.6, 3.2, -30), horn, FeatureKit::outlineFor(horn), 0.7);
    s.kit.outlined(tilted(QPointF(22.6, 5.8), 1.6, 3.2, 30), horn, FeatureKit::outlineFor(horn), 0.7);
    s.kit.outlined(tilted(QPointF(4.2, 12.6), 2.0, 4.0, 65), s.fur, s.furLine);
    s.kit.outlined(tilted(QPointF(27.8, 12.6), 2.0, 4.0, -65), s.fur, s.furLine);
    s.head(QPointF(16, 16.6), 9.6, 10.0);
    s.kit.outlined(FeatureKit::ellipsePath(QPointF(19.8, 10.6), 4.0, 3.4)
                       .intersected(FeatureKit::ellipsePath(QPointF(16, 16.6), 9.2, 9.6)),
                   s.second, s.second, 0);
    s.eyes(14.6, 4.0);
    const QColor muzzle(250, 185, 190);
    s.kit.ellipse(QPointF(16, 23.4), 7.4, 5.2, muzzle, FeatureKit::outlineFor(muzzle), 0.8);
    s.nostrils(22.6, 2.6, 0.9, 1.2, FeatureKit::outlineFor(muzzle));
    s.smile(25.6, 2.4, 1.4);
}

void sheep(Sketch& s) {
    QPainterPath wool = FeatureKit::ellipsePath(QPointF(16, 16.0), 11.2, 11.0);
    for (int i = 0; i < 11; ++i) {
        const qreal a = (i * 360.0 / 11) * M_PI / 180.0;
        wool = wool.united(
            FeatureKit::ellipsePath(QPointF(16 + 11.0 * std::cos(a), 16.0 + 10.8 * std::sin(a)), 2.8, 2.8));
    }
    wool = wool.intersected(polygon({{0, 0}, {32, 0}, {32, 32}, {0, 32}}));
    s.kit.outlined(wool, s.fur, s.furLine);
    s.kit.outlined(tilted(QPointF(7.0, 15.6), 1.8, 3.6, 70), s.second, s.secondLine);
    s.kit.outlined(tilted(QPointF(25.0, 15.6), 1.8, 3.6, -70), s.second, s.secondLine);
    s.kit.ellipse(QPointF(16, 19.0), 6.8, 8.6, s.second, s.secondLine);
    for (QPointF c : {QPointF(13.0, 9.8), QPointF(16.0, 9.0), QPointF(19.0, 9.8)})
        s.kit.ellipse(c, 2.2, 2.2, s.fur, s.furLine, 0.6);
    s.kit.eyes(s.face.eyes, QPointF(13.2, 17.6), QPointF(18.8, 17.6), 0.9, s.face.iris);
    s.smile(23.0, 2.2, 2.4, FeatureKit::kWhite, 0.9);
}

void raccoon(Sketch& s) {
    const QColor dark(50, 45, 50);
    roundEared(s, s.fur, dark);
    s.head(QPointF(16, 18.0), 11.2, 10.2);
    s.kit.ellipse(QPointF(16, 22.8), 5.4, 4.2, kCream, Qt::transparent, 0);
    QPainterPath mask =
        tilted(QPointF(11.4, 16.8), 4.4, 3.0, 12).united(tilted(QPointF(20.6, 16.8), 4.4, 3.0, -12));
    s.kit.outlined(mask, dark, dark, 0);
    s.kit.eyes(Eyes::Big, QPointF(11.6, 16.8), QPointF(20.4, 16.8), 0.8, s.face.iris);
    s.nose(QPointF(16, 21.0), 1.7, 1.2);
    s.kit.mouth(s.face.mouth, QPointF(16, 23.4), 2.2);
}

} // namespace

void AnimalPainter::paint(QPainter& painter, const Face& face) {
    FeatureKit kit(painter);
    Sketch s{kit,       face,
             face.skin, FeatureKit::outlineFor(face.skin),
             face.hair, FeatureKit::outlineFor(face.hair)};
    switch (face.species) {
    case Species::Human:
        return;
    case Species::Cat:
        return cat(s);
    case Species::Dog:
        return dog(s);
    case Species::Bear:
        return bear(s);
    case Species::Panda:
        return panda(s);
    case Species::Rabbit:
        return rabbit(s);
    case Species::Mouse:
        return mouse(s);
    case Species::Frog:
        return frog(s);
    case Species::Lion:
        return lion(s);
    case Species::Pig:
        return pig(s);
    case Species::Fox:
        return fox(s);
    case Species::Monkey:
        return monkey(s);
    case Species::Owl:
        return owl(s);
    case Species::Penguin:
        return penguin(s);
    case Species::Koala:
        return koala(s);
    case Species::Tiger:
        return tiger(s);
    case Species::Chick:
        return chick(s);
    case Species::Cow:
        return cow(s);
    case Species::Sheep:
        return sheep(s);
    case Species::Raccoon:
        return raccoon(s);
    }
}
