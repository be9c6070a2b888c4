// SPDX-License-Identifier: GPL-3.0-or-later
// The shape of the sum triangle: 15 cells in five rows, each cell above the base the sum of its two children.
#pragma once

#include <array>

namespace cestaro {

// Cells are numbered 1..15, row by row from the apex; cell p (1-based) of row r is r(r-1)/2 + p.
class Triangle {
public:
    static constexpr int kCells = 15;
    static constexpr int kRows = 5;
    static constexpr int kParents = 10; // cells 1..10 sit above two children
    static constexpr int kApex = 1;
    static constexpr int kFirstBaseCell = 11;

    // The order in which the ten sums are formed when dealing and checked when judging.
    static constexpr std::array<int, kParents> kSumOrder{7, 8, 9, 10, 4, 5, 6, 2, 3, 1};

    static constexpr bool isCell(int cell) { return cell >= 1 && cell <= kCells; }
    static constexpr int cellAt(int row, int place) { return row * (row - 1) / 2 + place; }

    // Row 1..5 of a cell 1..15.
    static constexpr int rowOf(int cell) {
        int row = 1;
        while (cellAt(row + 1, 1) <= cell)
            ++row;
        return row;
    }
    static constexpr int placeOf(int cell) { return cell - cellAt(rowOf(cell), 1) + 1; }

    // Children of a parent cell 1..10.
    static constexpr int leftChild(int parent) { return cellAt(rowOf(parent) + 1, placeOf(parent)); }
    static constexpr int rightChild(int parent) { return leftChild(parent) + 1; }
};

} // namespace cestaro
