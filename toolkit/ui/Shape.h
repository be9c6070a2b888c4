// SPDX-License-Identifier: GPL-3.0-or-later
// A filled shape (rectangle, square, oval, circle, rounded rectangle) drawn in its box.
#pragma once

#include <QColor>
#include <QWidget>

namespace tk::ui {

class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

    // Position and size of the box in twips of the parent. Squares and circles are drawn with the box's
    // smaller side, centred in it. Shapes take no mouse input: clicks reach what lies beneath.
    Shape(QWidget* parent, Kind kind, double left, double top, double width, double height);

    void setFillColour(QColor colour);
    QColor fillColour() const { return fill_; }
    // With no fill only the border is drawn.
    void setFilled(bool filled);
    void setBorderColour(QColor colour);
    QColor borderColour() const { return border_; }
    void setBorderWidth(int pixels); // 0: no border
    int borderWidth() const { return borderWidth_; }
    Kind kind() const { return kind_; }

    // A hidden copy with the same parent, kind, box and colours: a new element of a control array.
    Shape* cloneHidden() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor fill_{255, 255, 255};
    QColor border_{0, 0, 0};
    int borderWidth_ = 1;
    bool filled_ = true;
};

} // namespace tk::ui
