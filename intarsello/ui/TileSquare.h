// SPDX-License-Identifier: GPL-3.0-or-later
// One square of a tile: a borderless box in its tile's colour that passes the mouse on to the board.
#pragma once

#include "intarsello/logic/MouseEvent.h"

#include <QColor>
#include <QPointF>
#include <QTimer>
#include <QWidget>

namespace intarsello::ui {

class TileSquare : public QWidget {
    Q_OBJECT
public:
    // A finger or pen pressed this long without moving turns the tile, as a right click does.
    static constexpr int kLongPressMs = 600;

    explicit TileSquare(QWidget* parent);

    void setColour(QColor colour);
    QColor colour() const { return colour_; }

    // A hidden copy with the same parent, box and colour, made in front of every existing sibling: a new
    // element of the squares' control array.
    TileSquare* cloneHidden() const;

signals:
    // A press, motion or release on this square (or, while a button is held, anywhere after a press on
    // it). `button` is the button of a press or release and `heldButtons` every button held, both as
    // MouseButtons bits (other buttons set a bit of their own); `modifiers` are ModifierKeys bits.
    // `pointerTwips` is the pointer in whole pixels of the parent's area, times 15. A long press of a finger
    // or pen is told as a right-button press and release between the press and the release of the left.
    void mouse(intarsello::MouseEventKind kind, unsigned button, unsigned heldButtons, unsigned modifiers,
               QPoint pointerTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void report(intarsello::MouseEventKind kind, QMouseEvent* event);
    void watchForLongPress(intarsello::MouseEventKind kind, const QMouseEvent& event);
    void longPressed();

    QColor colour_;
    // Runs from a finger's or pen's left press until it moves away, lifts or the time is up.
    QTimer longPress_;
    QPointF longPressAt_; // in pixels of the window, which stay put while the tile moves
    unsigned longPressModifiers_ = 0;
};

} // namespace intarsello::ui
