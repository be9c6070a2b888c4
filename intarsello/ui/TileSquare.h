// One square of a tile: a borderless box in its tile's colour that passes the mouse on to the board.
#pragma once

#include "MouseEvent.h"

#include <QColor>
#include <QWidget>

namespace intarsello::ui {

class TileSquare : public QWidget {
    Q_OBJECT
public:
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
    // `pointerTwips` is the pointer in whole pixels of the parent's area, times 15.
    void mouse(intarsello::MouseEventKind kind, unsigned button, unsigned heldButtons, unsigned modifiers,
               QPoint pointerTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void report(intarsello::MouseEventKind kind, QMouseEvent* event);

    QColor colour_;
};

} // namespace intarsello::ui
