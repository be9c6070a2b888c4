// The sum triangle on the main window: fifteen circles, each with a borderless text box on it.
#pragma once

#include "CellView.h"
#include "Triangle.h"

#include <QColor>
#include <QObject>
#include <array>

class QLineEdit;
class QWidget;

namespace tk::ui {
class Shape;
}

namespace cestaro::ui {

class BoardView : public QObject {
    Q_OBJECT
public:
    // Creates the circles, then the text boxes above them, on `surface` (stacked over what it already
    // holds). The text boxes follow one another in the tab order, cell 1 to cell 15.
    explicit BoardView(QWidget* surface);

    // Text box and circle of cell 1..15.
    QLineEdit* cell(int n) const { return cells_[index(n)]; }
    tk::ui::Shape* circle(int n) const { return circles_[index(n)]; }

    // Shows what the model holds for cell n: its text (only if it differs, so an unchanged text raises
    // no change), the ink of its text and whether the pupil may edit it.
    void show(int n, const CellView& view);
    // Makes every cell read-only until the next show() of each: the board stays as it is.
    void freeze();

    // The fill of a circle and the background of a text box.
    void setCircleColour(int n, QColor colour);
    void setCellBackground(int n, QColor colour);
    QColor cellBackground(int n) const;
    QColor cellInk(int n) const;

signals:
    // Any change of the text of cell n: typed, deleted, pasted, dropped or set by code.
    void edited(int n);

private:
    static std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }

    std::array<tk::ui::Shape*, Triangle::kCells> circles_{};
    std::array<QLineEdit*, Triangle::kCells> cells_{};
};

// The colour of an ink kind on screen; hidden ink is the desktop's window colour.
QColor inkColour(CellColour colour);

} // namespace cestaro::ui
