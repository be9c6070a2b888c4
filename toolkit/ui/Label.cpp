// SPDX-License-Identifier: GPL-3.0-or-later
// Label painting: background, sunken border, wrapped caption aligned at the top.
#include "toolkit/ui/Label.h"

#include "toolkit/ui/AccessibleLabel.h"
#include "toolkit/ui/PixelPainting.h"
#include "toolkit/ui/Units.h"

#include <QMouseEvent>
#include <QPainter>

namespace tk::ui {

namespace {
constexpr int kBorderPx = 2;
}

Label::Label(QWidget* parent, const QString& caption, double left, double top, double width, double height)
    : QWidget(parent)
    , caption_(caption) {
    setGeometry(twipsRect(left, top, width, height));
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_) return;
    const QString before = caption_;
    caption_ = caption;
    if (autoSize_) fitToCaption();
    update();
    AccessibleLabel::captionChanged(this, before);
}

void Label::setBackColour(QColor colour) {
    back_ = colour;
    update();
}

void Label::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void Label::setForeColour(QColor colour) {
    fore_ = colour;
    update();
}

void Label::setAlign(Align align) {
    align_ = align;
    update();
}

void Label::setBorder(bool border) {
    border_ = border;
    update();
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_) fitToCaption();
}

QSize Label::sizeHint() const {
    const QFontMetrics metrics(font());
    const int edge = border_ ? 2 * kBorderPx : 0;
    return {metrics.horizontalAdvance(caption_) + edge, metrics.height() + edge};
}

void Label::fitToCaption() {
    resize(sizeHint());
}

void Label::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && autoSize_) fitToCaption();
    QWidget::changeEvent(event);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!canPaint(painter)) return;
    if (!transparent_) painter.fillRect(rect(), back_);
    QRect text = rect();
    if (border_) {
        const QRect r = rect();
        const QColor shadow(128, 128, 128), light(212, 208, 200);
        drawPixelLine(painter, r.topLeft(), {r.right() - 1, r.top()}, shadow);
        drawPixelLine(painter, r.topLeft(), {r.left(), r.bottom() - 1}, shadow);
        drawPixelLine(painter, r.bottomLeft(), r.bottomRight(), Qt::white);
        drawPixelLine(painter, r.topRight(), r.bottomRight(), Qt::white);
        drawPixelLine(painter, {r.left() + 1, r.top() + 1}, {r.right() - 2, r.top() + 1}, Qt::black);
        drawPixelLine(painter, {r.left() + 1, r.top() + 1}, {r.left() + 1, r.bottom() - 2}, Qt::black);
        drawPixelLine(painter, {r.left() + 1, r.bottom() - 1}, {r.right() - 1, r.bottom() - 1}, light);
        drawPixelLine(painter, {r.right() - 1, r.top() + 1}, {r.right() - 1, r.bottom() - 1}, light);
        text.adjust(kBorderPx, kBorderPx, -kBorderPx, -kBorderPx);
    }
    // Only a label the program lets the keyboard reach can have the focus.
    if (hasFocus()) {
        const int inset = border_ ? kBorderPx + 1 : 1;
        drawDottedPixelFrame(painter, rect().adjusted(inset, inset, -inset, -inset), fore_);
    }
    if (caption_.isEmpty()) return;
    const Qt::Alignment horizontal = align_ == Align::Centre  ? Qt::AlignHCenter
                                     : align_ == Align::Right ? Qt::AlignRight
                                                              : Qt::AlignLeft;
    painter.setPen(fore_);
    painter.setFont(font());
    painter.drawText(text, horizontal | Qt::AlignTop | Qt::TextWordWrap, caption_);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace tk::ui
