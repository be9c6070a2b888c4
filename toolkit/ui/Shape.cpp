// SPDX-License-Identifier: GPL-3.0-or-later
// Shape painting: the border lies inside the box, as on classic shape controls.
#include "toolkit/ui/Shape.h"

#include "toolkit/ui/PixelPainting.h"
#include "toolkit/ui/Units.h"

#include <QPainter>
#include <algorithm>

namespace tk::ui {

Shape::Shape(QWidget* parent, Kind kind, double left, double top, double width, double height)
    : QWidget(parent)
    , kind_(kind) {
    setGeometry(twipsRect(left, top, width, height));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColour(QColor colour) {
    if (colour == fill_) return;
    fill_ = colour;
    update();
}

void Shape::setFilled(bool filled) {
    filled_ = filled;
    update();
}

void Shape::setBorderColour(QColor colour) {
    if (colour == border_) return;
    border_ = colour;
    update();
}

void Shape::setBorderWidth(int pixels) {
    borderWidth_ = pixels;
    update();
}

Shape* Shape::cloneHidden() const {
    auto* copy = new Shape(parentWidget(), kind_, 0, 0, 0, 0);
    copy->setGeometry(geometry());
    copy->fill_ = fill_;
    copy->border_ = border_;
    copy->borderWidth_ = borderWidth_;
    copy->filled_ = filled_;
    copy->hide();
    return copy;
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!canPaint(painter)) return;
    const bool squared = kind_ == Kind::Square || kind_ == Kind::Circle || kind_ == Kind::RoundedSquare;
    const int side = std::min(width(), height());
    if (kind_ == Kind::Rectangle || kind_ == Kind::Square) {
        // Square corners in whole pixels, so the border keeps its width in pixels at any scale; a square
        // half a pixel off centre goes right and down.
        const QRect box =
            squared ? QRect((width() - side + 1) / 2, (height() - side + 1) / 2, side, side) : rect();
        if (filled_) painter.fillRect(box, fill_);
        for (int ring = 0; ring < borderWidth_; ++ring)
            drawPixelFrame(painter, box.adjusted(ring, ring, -ring, -ring), border_);
        return;
    }
    QRectF box = rect();
    if (squared) box = QRectF(box.center().x() - side / 2.0, box.center().y() - side / 2.0, side, side);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = borderWidth_ / 2.0;
    const QRectF outline = box.adjusted(half, half, -half, -half);
    painter.setPen(borderWidth_ > 0 ? QPen(border_, borderWidth_) : QPen(Qt::NoPen));
    painter.setBrush(filled_ ? QBrush(fill_) : QBrush(Qt::NoBrush));
    if (kind_ == Kind::Oval || kind_ == Kind::Circle) {
        painter.drawEllipse(outline);
    } else {
        const qreal radius = std::min(box.width(), box.height()) / 4.0;
        painter.drawRoundedRect(outline, radius, radius);
    }
}

} // namespace tk::ui
