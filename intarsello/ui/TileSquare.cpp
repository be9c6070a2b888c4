// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of a tile's square and translation of Qt's mouse events into the board's terms.
#include "intarsello/ui/TileSquare.h"

#include "toolkit/ui/Accessibility.h"
#include "toolkit/ui/PixelPainting.h"
#include "toolkit/ui/Units.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QStyleHints>

namespace intarsello::ui {

namespace {

// Buttons beyond the three the board knows (back, forward, ...): held with the left one, they stop a drag.
constexpr unsigned kOtherButtons = 8;

unsigned boardButtons(Qt::MouseButtons buttons) {
    unsigned bits = 0;
    if (buttons & Qt::LeftButton) bits |= LeftButton;
    if (buttons & Qt::RightButton) bits |= RightButton;
    if (buttons & Qt::MiddleButton) bits |= MiddleButton;
    if (buttons & ~Qt::MouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton))
        bits |= kOtherButtons;
    return bits;
}

unsigned boardModifiers(Qt::KeyboardModifiers modifiers) {
    unsigned bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= ShiftKey;
    if (modifiers & Qt::ControlModifier) bits |= CtrlKey;
    if (modifiers & Qt::AltModifier) bits |= AltKey;
    return bits;
}

// Touch screens, whiteboards and pens: Qt hands their touches on as left-button mouse events from that
// device. A mouse, or a touchpad, never holds a tile still to turn it.
bool fromFingerOrPen(const QMouseEvent& event) {
    switch (event.deviceType()) {
    case QInputDevice::DeviceType::TouchScreen:
    case QInputDevice::DeviceType::Stylus:
    case QInputDevice::DeviceType::Airbrush:
        return true;
    default:
        return false;
    }
}

} // namespace

TileSquare::TileSquare(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    tk::ui::setAccessibleRole(this, QAccessible::Graphic);
    longPress_.setSingleShot(true);
    longPress_.setInterval(kLongPressMs);
    connect(&longPress_, &QTimer::timeout, this, &TileSquare::longPressed);
}

void TileSquare::setColour(QColor colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

TileSquare* TileSquare::cloneHidden() const {
    auto* copy = new TileSquare(parentWidget());
    copy->setGeometry(geometry());
    copy->colour_ = colour_;
    copy->hide();
    return copy;
}

void TileSquare::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (tk::ui::canPaint(painter)) painter.fillRect(event->rect(), colour_);
}

// A double click arrives as a press of its second click (QWidget's default), so a quick second right
// click turns the tile again.
void TileSquare::mousePressEvent(QMouseEvent* event) {
    report(MouseEventKind::Press, event);
}

void TileSquare::mouseMoveEvent(QMouseEvent* event) {
    report(MouseEventKind::Motion, event);
}

void TileSquare::mouseReleaseEvent(QMouseEvent* event) {
    report(MouseEventKind::Release, event);
}

void TileSquare::report(MouseEventKind kind, QMouseEvent* event) {
    event->accept();
    watchForLongPress(kind, *event);
    const QPoint pointer = tk::ui::toTwips(mapToParent(event->position().toPoint())).toPoint();
    const unsigned button = kind == MouseEventKind::Motion ? 0 : boardButtons(event->button());
    emit mouse(kind, button, boardButtons(event->buttons()), boardModifiers(event->modifiers()), pointer);
}

void TileSquare::watchForLongPress(MouseEventKind kind, const QMouseEvent& event) {
    if (kind == MouseEventKind::Press && event.buttons() == Qt::LeftButton && fromFingerOrPen(event)) {
        longPressAt_ = event.scenePosition();
        longPressModifiers_ = boardModifiers(event.modifiers());
        longPress_.start();
        return;
    }
    // Still means within the distance that would start a drag anywhere else.
    const bool moved = (event.scenePosition() - longPressAt_).manhattanLength() >
                       QGuiApplication::styleHints()->startDragDistance();
    if (kind != MouseEventKind::Motion || moved) longPress_.stop();
}

void TileSquare::longPressed() {
    const QPoint pointer = tk::ui::toTwips(parentWidget()->mapFrom(window(), longPressAt_)).toPoint();
    const unsigned held = LeftButton | RightButton;
    emit mouse(MouseEventKind::Press, RightButton, held, longPressModifiers_, pointer);
    emit mouse(MouseEventKind::Release, RightButton, LeftButton, longPressModifiers_, pointer);
}

} // namespace intarsello::ui
