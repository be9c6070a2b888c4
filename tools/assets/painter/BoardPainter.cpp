// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the instructions' example board of cestaro: fifteen white circles in a triangle on teal.
#include "tools/assets/painter/BoardPainter.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <stdexcept>

namespace {

// The main window's circles in twips: left and top of each, apex first.
constexpr std::array<std::array<int, 2>, 15> kCircles = {{{2640, 705},
                                                          {2040, 1665},
                                                          {3240, 1665},
                                                          {1440, 2745},
                                                          {2640, 2745},
                                                          {3840, 2745},
                                                          {840, 3825},
                                                          {2040, 3825},
                                                          {3240, 3825},
                                                          {4440, 3825},
                                                          {240, 4905},
                                                          {1440, 4905},
                                                          {2640, 4905},
                                                          {3840, 4905},
                                                          {5040, 4905}}};
constexpr int kCircleTwips = 975;

} // namespace

std::array<BoardPainter::Cell, 15> BoardPainter::parse(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 15) throw std::invalid_argument("a board has 15 cells");
    std::array<Cell, 15> cells;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QString& part = parts[static_cast<int>(i)];
        if (part.isEmpty()) continue;
        const QChar colour = part.back();
        if (colour != 'r' && colour != 'k')
            throw std::invalid_argument("cell colour must be r or k: " + part.toStdString());
        cells[i] = {part.chopped(1), colour == 'r' ? QColor(255, 0, 0) : QColor(0, 0, 0)};
    }
    return cells;
}

QImage BoardPainter::paint(const std::array<Cell, 15>& cells) {
    // The main window's board (5775 x 5175 twips) scaled to fit with a margin of 10 pixels.
    constexpr int kLeft = 240;
    constexpr int kTop = 705;
    constexpr double kScale = (kWidth - 20) / 5775.0; // pixels per twip
    const double offsetX = (kWidth - 5775 * kScale) / 2;
    const double offsetY = (kHeight - 5175 * kScale) / 2;

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 128));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font("Liberation Sans");
    font.setPixelSize(20);
    font.setBold(true);
    if (QFontInfo(font).family() != "Liberation Sans")
        throw std::runtime_error("Liberation Sans is not installed (fonts-liberation)");
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const double diameter = kCircleTwips * kScale;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QPointF centre(offsetX + (kCircles[i][0] - kLeft + kCircleTwips / 2.0) * kScale,
                             offsetY + (kCircles[i][1] - kTop + kCircleTwips / 2.0) * kScale);
        p.setPen(QPen(QColor(0, 0, 0), 1.0));
        p.setBrush(Qt::white);
        p.drawEllipse(centre, diameter / 2 - 0.5, diameter / 2 - 0.5);
        if (cells[i].text.isEmpty()) continue;
        // Centre the ink of the digits, not the line box, so numbers sit in the middle of the circle.
        const QRectF ink = metrics.tightBoundingRect(cells[i].text);
        p.setPen(cells[i].colour);
        p.drawText(QPointF(qRound(centre.x() - ink.center().x()), qRound(centre.y() - ink.center().y())),
                   cells[i].text);
    }
    return image;
}
