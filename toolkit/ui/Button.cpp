// SPDX-License-Identifier: GPL-3.0-or-later
// Button painting: coloured face, two-pixel bevel, sunken when pressed, dotted focus; the guard against the
// second press of a double click, and where the focus goes when a button hides.
#include "toolkit/ui/Button.h"

#include "toolkit/ui/PixelPainting.h"
#include "toolkit/ui/Units.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleHints>
#include <utility>

namespace tk::ui {

namespace {

// The button whose click handlers are running, where it stands and when the pupil released it.
struct ClickInProgress {
    QPointer<QWidget> parent;
    QPointer<Button> button;
    QRect place;
    quint64 releasedAt = 0;
};
std::optional<ClickInProgress> clickInProgress;

} // namespace

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

void Button::mouseReleaseEvent(QMouseEvent* event) {
    const auto outer =
        std::exchange(clickInProgress, ClickInProgress{parentWidget(), this, geometry(), event->timestamp()});
    QAbstractButton::mouseReleaseEvent(event); // emits clicked: its handlers may show a button here
    clickInProgress = outer;
}

void Button::showEvent(QShowEvent* event) {
    QAbstractButton::showEvent(event);
    if (event->spontaneous()) return;
    const bool inPlaceOfClicked = clickInProgress && clickInProgress->button != this &&
                                  clickInProgress->parent == parentWidget() &&
                                  clickInProgress->place.intersects(geometry());
    appearedOnClickAt_ = inPlaceOfClicked ? std::optional(clickInProgress->releasedAt) : std::nullopt;
}

void Button::mousePressEvent(QMouseEvent* event) {
    // A child's double click would press the button that took the clicked one's place, throwing away what
    // the first click showed. Times are those of the input events, as the pupil made them, however late
    // they are handled; the second press of a double click also comes here, as a double-click event.
    if (appearedOnClickAt_) {
        const qint64 since = qint64(event->timestamp()) - qint64(*appearedOnClickAt_);
        if (since >= 0 && since < QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
            event->accept();
            return;
        }
        appearedOnClickAt_.reset();
    }
    QAbstractButton::mousePressEvent(event);
}

void Button::hideEvent(QHideEvent* event) {
    // Left to Qt, the focus would move on to the next control in the chain, perhaps a button that closes
    // the window, which the next Space would press. With no button in its place, the window itself keeps
    // the focus: a window left with none hands it to the first control of the chain when it is activated.
    if (!event->spontaneous() && window()->focusWidget() == this) {
        if (Button* successor = buttonInPlace())
            successor->setFocus(Qt::OtherFocusReason);
        else
            window()->setFocus(Qt::OtherFocusReason);
    }
    QAbstractButton::hideEvent(event);
}

Button* Button::buttonInPlace() const {
    if (!parentWidget()) return nullptr;
    for (Button* other : parentWidget()->findChildren<Button*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->isVisible() && other->isEnabled() &&
            other->geometry().intersects(geometry()))
            return other;
    return nullptr;
}

QSize Button::sizeHint() const {
    return size();
}

void Button::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!canPaint(painter)) return;
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
