// SPDX-License-Identifier: GPL-3.0-or-later
// Paints cestaro's program icon at large sizes: a sum triangle of white circles on a teal rounded square.
#include "tools/assets/painter/TriangleIconPainter.h"

#include "tools/assets/painter/Supersampler.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <array>
#include <stdexcept>

namespace {

struct Circle {
    double x, y; // centre, in pixels of the 32-pixel design
    const char* digit;
    bool given;
};

// The pixel-art circles are centred on pixel (16, 7) and so on: their centres lie half a pixel further.
constexpr std::array<Circle, 6> kCircles{{{16.5, 7.5, "8", true},
                                          {11.5, 16.5, "3", false},
                                          {21.5, 16.5, "5", false},
                                          {6.5, 25.5, "1", true},
                                          {16.5, 25.5, "2", false},
                                          {26.5, 25.5, "3", true}}};
constexpr double kRadius = 4.8;      // design pixels
constexpr double kCorner = 3.5;      // design pixels
constexpr double kDigitHeight = 6.2; // pixel size of the font, in design pixels

} // namespace

QImage TriangleIconPainter::paint(int size) {
    QFont font("Liberation Sans");
    font.setBold(true);
    if (QFontInfo(font).family() != "Liberation Sans")
        throw std::runtime_error("Liberation Sans is not installed (fonts-liberation)");
    return Supersampler::render(size, size, 4, [size, &font](QPainter& p) {
        const double unit = size / 32.0;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 128));
        p.drawRoundedRect(QRectF(0, 0, size, size), kCorner * unit, kCorner * unit);

        font.setPixelSize(qRound(kDigitHeight * unit));
        p.setFont(font);
        const QFontMetricsF metrics(font);
        for (const Circle& c : kCircles) {
            const QPointF centre(c.x * unit, c.y * unit);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(centre, kRadius * unit, kRadius * unit);
            // Centre the ink of the digit, not its line box.
            const QRectF ink = metrics.tightBoundingRect(QString::fromLatin1(c.digit));
            p.setPen(c.given ? QColor(255, 0, 0) : QColor(0, 0, 0));
            p.drawText(centre - ink.center(), QString::fromLatin1(c.digit));
        }
    });
}
