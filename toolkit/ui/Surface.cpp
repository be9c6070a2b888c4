// SPDX-License-Identifier: GPL-3.0-or-later
// Background colour and persistent drawing of a container.
#include "toolkit/ui/Surface.h"

#include "toolkit/ui/PixelPainting.h"
#include "toolkit/ui/Units.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace tk::ui {

Surface::Surface(QWidget* parent, QColor background)
    : QWidget(parent)
    , background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::setBackground(QColor colour) {
    if (colour == background_) return;
    background_ = colour;
    update();
}

void Surface::drawLine(double x1, double y1, double x2, double y2, QColor colour, int widthPx) {
    const DrawnLine line{twipsPoint(x1, y1), twipsPoint(x2, y2), colour, widthPx};
    if (std::find(lines_.begin(), lines_.end(), line) != lines_.end()) return;
    lines_.push_back(line);
    update(QRect(line.from, line.to).normalized().adjusted(-widthPx, -widthPx, widthPx, widthPx));
}

void Surface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!canPaint(painter)) return;
    painter.fillRect(event->rect(), background_);
    for (const auto& line : lines_)
        drawLonePixelLine(painter, line.from, line.to, line.colour, line.width);
    paintDecoration(painter);
}

} // namespace tk::ui
