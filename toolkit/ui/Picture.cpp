// SPDX-License-Identifier: GPL-3.0-or-later
// Picture element painting.
#include "toolkit/ui/Picture.h"

#include "toolkit/ui/PixelPainting.h"
#include "toolkit/ui/Units.h"

#include <QPainter>

namespace tk::ui {

Picture::Picture(QWidget* parent, double left, double top, double width, double height)
    : QWidget(parent) {
    setGeometry(twipsRect(left, top, width, height));
}

void Picture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void Picture::clear() {
    if (picture_.isNull()) return;
    picture_ = QPixmap();
    pictureId_ = 0;
    update();
}

void Picture::setBorder(bool border) {
    border_ = border;
    update();
}

void Picture::setBackground(QColor colour) {
    background_ = colour;
    update();
}

Picture* Picture::cloneHidden() const {
    auto* copy = new Picture(parentWidget(), 0, 0, 0, 0);
    copy->setGeometry(geometry());
    copy->picture_ = picture_;
    copy->pictureId_ = pictureId_;
    copy->border_ = border_;
    copy->background_ = background_;
    copy->decorative_ = decorative_;
    copy->hide();
    return copy;
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!canPaint(painter)) return;
    if (background_.isValid()) painter.fillRect(rect(), background_);
    const int inset = border_ ? 1 : 0;
    drawCrispPicture(painter, QPoint(inset, inset), picture_);
    if (border_) drawPixelFrame(painter, rect(), Qt::black);
}

} // namespace tk::ui
