// SPDX-License-Identifier: GPL-3.0-or-later
// Shape and painting of the keyboard selection's outline.
#include "intarsello/ui/SelectionOutline.h"

#include "toolkit/ui/PixelPainting.h"

#include <QPaintEvent>
#include <QPainter>

namespace intarsello::ui {

namespace {

QRegion grown(const QRegion& region, int byPx) {
    QRegion result;
    for (const QRect& r : region)
        result += r.adjusted(-byPx, -byPx, byPx, byPx);
    return result;
}

} // namespace

SelectionOutline::SelectionOutline(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void SelectionOutline::surround(const QRegion& squares) {
    const QRegion inner = grown(squares, kGapPx);
    const QRegion outer = grown(squares, kGapPx + kBandPx);
    const QPoint origin = outer.boundingRect().topLeft();
    gap_ = (inner - squares).translated(-origin);
    band_ = (outer - inner).translated(-origin);
    // Outside the ring the widget is not there at all, so the tile shows through untouched.
    setMask(gap_ + band_);
    setGeometry(outer.boundingRect());
    update();
    show();
}

void SelectionOutline::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!tk::ui::canPaint(painter)) return;
    for (const QRect& r : gap_ & event->region())
        painter.fillRect(r, Qt::white);
    for (const QRect& r : band_ & event->region())
        painter.fillRect(r, kBandColour);
}

} // namespace intarsello::ui
