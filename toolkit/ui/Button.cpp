// Button painting: coloured face, two-pixel bevel, sunken when pressed, dotted focus.
#include "Button.h"

#include "PixelPainting.h"
#include "Units.h"

#include <QPainter>

namespace tk::ui {

Button::Button(QWidget* parent, const QString& caption, double left, double top, double width, double height,
               QColor face)
    : QAbstractButton(parent)
    , face_(face) {
    setText(caption);
    setGeometry(twipsRect(left, top, width, height));
    setFocusPolicy(Qt::StrongFocus);
}

void Button::setFace(QColor face) {
    if (face == face_) return;
    face_ = face;
    update();
}

QSize Button::sizeHint() const {
    return size();
}

void Button::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, face_);
    const bool down = isDown();
    const QColor light = Qt::white, lightFace(223, 223, 223), shade(128, 128, 128), dark = Qt::black;
    auto bevel = [&](QColor topLeft, QColor bottomRight, int inset) {
        const QRect b = r.adjusted(inset, inset, -inset, -inset);
        drawPixelLine(painter, b.topLeft(), b.topRight() - QPoint(1, 0), topLeft);
        drawPixelLine(painter, b.topLeft(), b.bottomLeft() - QPoint(0, 1), topLeft);
        drawPixelLine(painter, b.bottomLeft(), b.bottomRight(), bottomRight);
        drawPixelLine(painter, b.topRight(), b.bottomRight(), bottomRight);
    };
    if (down) {
        drawPixelFrame(painter, r, dark);
        drawPixelFrame(painter, r.adjusted(1, 1, -1, -1), shade);
    } else {
        bevel(hasFocus() ? dark : light, dark, 0);
        if (hasFocus()) {
            drawPixelFrame(painter, r, dark);
            bevel(light, dark, 1);
            bevel(lightFace, shade, 2);
        } else {
            bevel(lightFace, shade, 1);
        }
    }
    const int shift = down ? 1 : 0;
    QRect text = r.adjusted(3 + shift, 3 + shift, -3 + shift, -3 + shift);
    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : shade);
    painter.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, this->text());
    if (hasFocus()) {
        const QRect focusRect = painter.boundingRect(text, Qt::AlignCenter | Qt::TextWordWrap, this->text())
                                    .adjusted(-2, -1, 2, 1)
                                    .intersected(r.adjusted(4, 4, -4, -4));
        drawDottedPixelFrame(painter, focusRect, Qt::black);
    }
}

} // namespace tk::ui
