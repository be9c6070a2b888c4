// SPDX-License-Identifier: GPL-3.0-or-later
// Frame border and caption drawn in the classic etched style.
#include "toolkit/ui/Frame.h"

#include "toolkit/ui/PixelPainting.h"
#include "toolkit/ui/Units.h"

#include <QPainter>

namespace tk::ui {

Frame::Frame(QWidget* parent, double left, double top, double width, double height, QColor background,
             Border border, const QString& caption)
    : Surface(parent, background)
    , border_(border)
    , caption_(caption) {
    setGeometry(twipsRect(left, top, width, height));
}

void Frame::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void Frame::paintDecoration(QPainter& painter) {
    if (border_ == Border::None) return;
    const QFontMetrics metrics(font());
    // The border runs through the middle of the caption's first line, as on classic frames.
    const int top = caption_.isEmpty() ? 0 : metrics.height() / 2;
    const QRect box = rect().adjusted(0, top, -1, -1);
    const QColor shadow(128, 128, 128), light(255, 255, 255);
    drawPixelFrame(painter, box, shadow);
    drawPixelLine(painter, {box.left() + 1, box.top() + 1}, {box.right() - 1, box.top() + 1}, light);
    drawPixelLine(painter, {box.left() + 1, box.top() + 1}, {box.left() + 1, box.bottom() - 1}, light);
    drawPixelLine(painter, box.bottomLeft(), box.bottomRight(), light);
    drawPixelLine(painter, box.topRight(), box.bottomRight(), light);
    if (caption_.isEmpty()) return;
    const QRect text(8, 0, metrics.horizontalAdvance(caption_) + 2, metrics.height());
    painter.fillRect(text, background());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(text, Qt::AlignCenter, caption_);
}

} // namespace tk::ui
