// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the hint arrow of the exercise windows: a blue arrow curving down to the lower left.
#include "tools/assets/painter/ArrowPainter.h"

#include "tools/assets/painter/Supersampler.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>

QImage ArrowPainter::paint() {
    return Supersampler::render(kWidth, kHeight, 4, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(255, 255, 192));

        // The shaft leaves the top right going down and bends towards the lower left.
        const QPointF end(30.0, 55.0);
        const QPointF direction(-0.8, 0.6); // unit vector along which the head points
        const QPointF across(0.6, 0.8);
        QPainterPath shaft;
        shaft.moveTo(98.0, 9.0);
        shaft.cubicTo(97.0, 36.0, 52.0, 39.0, end.x() - 4.0 * direction.x(), end.y() - 4.0 * direction.y());
        shaft.lineTo(end);
        QPainterPathStroker stroker;
        stroker.setWidth(13.0);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);

        QPainterPath head;
        head.addPolygon(QPolygonF({end + across * 15.0, end + direction * 24.0, end - across * 15.0}));
        head.closeSubpath();
        const QPainterPath arrow = stroker.createStroke(shaft).united(head).simplified();

        QLinearGradient shine(QPointF(90, 0), QPointF(20, 75));
        shine.setColorAt(0.0, QColor(90, 165, 255));
        shine.setColorAt(1.0, QColor(0, 70, 215));
        p.setPen(QPen(QColor(0, 32, 120), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shine);
        p.drawPath(arrow);
    });
}
