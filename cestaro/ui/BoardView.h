// SPDX-License-Identifier: GPL-3.0-or-later
// The sum triangle on the main window: fifteen circles, each with a borderless text box on it, and the
// ways of reaching a cell: a click anywhere on its circle, or the arrow keys from a neighbour.
#pragma once

#include "cestaro/logic/CellNavigation.h"
#include "cestaro/logic/CellView.h"
#include "cestaro/logic/Triangle.h"

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
    //
    // A press anywhere on a circle gives its text box the caret, as a press on the box does. In a text box,
    // the arrow keys move the caret to the neighbouring cell that way, passing over locked cells (the
    // givens, and every cell while the board is frozen); at an edge they do nothing. The cell holding the
    // window's focus wears a ring on the edge of its circle.
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
    // The ring that marks the cell being typed into; hidden while no cell has the focus.
    const tk::ui::Shape* caretRing() const { return ring_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Any change of the text of cell n: typed, deleted, pasted, dropped or set by code.
    void edited(int n);

private:
    static std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }
    // Cell 1..15 whose circle holds `point` of the surface, or 0.
    int cellUnder(QPointF point) const;
    // Cell 1..15 of a text box, or 0 for any other object.
    int cellOf(const QObject* object) const;
    void giveCaret(int n, Qt::FocusReason reason);
    // Follows the window's focus: the ring goes round the cell that has it, or out of sight.
    void markCaretCell();

    QWidget* surface_;
    std::array<tk::ui::Shape*, Triangle::kCells> circles_{};
    std::array<QLineEdit*, Triangle::kCells> cells_{};
    tk::ui::Shape* ring_ = nullptr;
    CellNavigation navigation_;
    // True while an arrow key moves the caret, so that the run of Up and Down keys goes on.
    bool stepping_ = false;
};

// The colour of an ink kind on screen; hidden ink is the desktop's window colour.
QColor inkColour(CellColour colour);

} // namespace cestaro::ui
