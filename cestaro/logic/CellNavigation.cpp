// SPDX-License-Identifier: GPL-3.0-or-later
// The arrow keys on the triangle of cells.
#include "cestaro/logic/CellNavigation.h"

#include "cestaro/logic/Triangle.h"

#include <cstdlib>
#include <tuple>

namespace cestaro {

int CellNavigation::columnOf(int cell) {
    return 2 * Triangle::placeOf(cell) - Triangle::rowOf(cell) - 1;
}

std::optional<int> CellNavigation::step(int from, Arrow arrow, const std::function<bool(int)>& open) {
    if (!Triangle::isCell(from)) return std::nullopt;
    switch (arrow) {
    case Arrow::Left:
    case Arrow::Right:
        endRun();
        return alongRow(from, arrow == Arrow::Left ? -1 : 1, open);
    case Arrow::Up:
    case Arrow::Down: {
        const int column = from == runCell_ ? runColumn_ : columnOf(from);
        const std::optional<int> to = acrossRows(from, arrow == Arrow::Up ? -1 : 1, column, open);
        if (to) {
            runCell_ = *to;
            runColumn_ = column;
        }
        return to;
    }
    }
    return std::nullopt;
}

std::optional<int> CellNavigation::alongRow(int from, int direction,
                                            const std::function<bool(int)>& open) const {
    const int row = Triangle::rowOf(from);
    for (int place = Triangle::placeOf(from) + direction; place >= 1 && place <= row; place += direction)
        if (open(Triangle::cellAt(row, place))) return Triangle::cellAt(row, place);
    return std::nullopt;
}

std::optional<int> CellNavigation::acrossRows(int from, int direction, int column,
                                              const std::function<bool(int)>& open) const {
    const int fromColumn = columnOf(from);
    for (int rows = 1;; ++rows) {
        const int row = Triangle::rowOf(from) + direction * rows;
        if (row < 1 || row > Triangle::kRows) return std::nullopt;
        std::optional<int> best;
        // Ordered by distance from the run's column, then from the middle line, then from left to right.
        const auto rank = [column](int cell) {
            const int c = columnOf(cell);
            return std::tuple(std::abs(c - column), std::abs(c), c);
        };
        for (int place = 1; place <= row; ++place) {
            const int cell = Triangle::cellAt(row, place);
            if (std::abs(columnOf(cell) - fromColumn) > rows || !open(cell)) continue;
            if (!best || rank(cell) < rank(*best)) best = cell;
        }
        if (best) return best;
    }
}

} // namespace cestaro
