// SPDX-License-Identifier: GPL-3.0-or-later
// Where the arrow keys take the caret on the triangle: along a row, or up and down through the rows.
#pragma once

#include <functional>
#include <optional>

namespace cestaro {

class CellNavigation {
public:
    enum class Arrow { Left, Right, Up, Down };

    // The cell `arrow` leads to from cell `from`, passing over every cell that cannot take the caret
    // (`open` false for it); nothing when no open cell lies that way.
    //
    // Left and Right keep to the row. Up and Down go to the nearest row that way holding an open cell that
    // diagonal steps can reach (one row takes half a place to the left or right: the two cells above or
    // below), and there to the cell nearest the column where the run of Up and Down keys began. So Up then
    // Down comes back to the same cell, and two Ups go straight up. A tie, as at the start of a run, goes
    // towards the middle line of the triangle, and on the middle line to the left.
    std::optional<int> step(int from, Arrow arrow, const std::function<bool(int)>& open);

    // The caret has reached a cell by other means: the next Up or Down starts a new run.
    void endRun() { runCell_ = 0; }

    // A cell's column in half places from the middle line, negative to the left: cell 1 is 0, cells 2 and
    // 3 are -1 and 1, cells 11 to 15 are -4 to 4.
    static int columnOf(int cell);

private:
    std::optional<int> alongRow(int from, int direction, const std::function<bool(int)>& open) const;
    std::optional<int> acrossRows(int from, int direction, int column,
                                  const std::function<bool(int)>& open) const;

    // The cell the current run of Up and Down has reached (0: no run) and the column where it began.
    int runCell_ = 0;
    int runColumn_ = 0;
};

} // namespace cestaro
