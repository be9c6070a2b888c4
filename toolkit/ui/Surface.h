// SPDX-License-Identifier: GPL-3.0-or-later
// A container with a plain background on which lines and filled shapes are drawn and stay drawn.
#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

namespace tk::ui {

class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent, QColor background = Qt::white);

    void setBackground(QColor colour);
    QColor background() const { return background_; }

    // Draws a line from (x1, y1) to (x2, y2), in twips of this surface, `widthPx` pixels wide. The line
    // belongs to the background: controls moving over it never wipe it. Drawing the same line again
    // changes nothing.
    void drawLine(double x1Twips, double y1Twips, double x2Twips, double y2Twips, QColor colour = Qt::black,
                  int widthPx = 1);
    int lineCount() const { return static_cast<int>(lines_.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Frames paint their border and caption over the background and under the children.
    virtual void paintDecoration(class QPainter&) {}

private:
    struct DrawnLine {
        QPoint from, to;
        QColor colour;
        int width;
        bool operator==(const DrawnLine&) const = default;
    };
    QColor background_;
    std::vector<DrawnLine> lines_;
};

} // namespace tk::ui
