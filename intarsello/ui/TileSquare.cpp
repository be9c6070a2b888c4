// Painting of a tile's square and translation of Qt's mouse events into the board's terms.
#include "TileSquare.h"

#include "Accessibility.h"
#include "PixelPainting.h"
#include "Units.h"

#include <QMouseEvent>
#include <QPainter>

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

} // namespace

TileSquare::TileSquare(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    tk::ui::setAccessibleRole(this, QAccessible::Graphic);
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
    const QPoint pointer = tk::ui::toTwips(mapToParent(event->position().toPoint())).toPoint();
    const unsigned button = kind == MouseEventKind::Motion ? 0 : boardButtons(event->button());
    emit mouse(kind, button, boardButtons(event->buttons()), boardModifiers(event->modifiers()), pointer);
}

} // namespace intarsello::ui
