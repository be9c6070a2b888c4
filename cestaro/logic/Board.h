// SPDX-License-Identifier: GPL-3.0-or-later
// The 15 cells as the window shows them, the dealt solution and the last sum checks, with their resets.
#pragma once

#include "cestaro/logic/CellView.h"
#include "cestaro/logic/Triangle.h"

#include <array>

namespace cestaro {

// Cells are addressed 1..15; a number outside that range is a programming error.
class Board {
public:
    Board() = default;

    const CellView& cell(int n) const { return cells_[index(n)]; }
    CellView& cell(int n) { return cells_[index(n)]; }
    int solution(int n) const { return solution_[index(n)]; }
    void setSolution(int n, int value) { solution_[index(n)] = value; }
    // Last result of the sum check of parent 1..10 (false until judged).
    bool sumCheck(int parent) const { return sumChecks_[static_cast<std::size_t>(parent)]; }
    void setSumChecks(const std::array<bool, Triangle::kParents + 1>& checks) { sumChecks_ = checks; }

    // Empties the text of every cell.
    void PT();
    // Unlocks every cell.
    void UnlockA();
    // PT, then UnlockA.
    void RESET();
    // Sets every solution value to 0 and clears the sum checks.
    void RRESET();
    // Makes the text of every cell invisible (window-background ink).
    void ATW();

    bool allFilled() const;
    bool anyText() const;
    // Cells whose text is red: the givens.
    int givenCount() const;

private:
    static std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }

    std::array<CellView, Triangle::kCells> cells_{};
    std::array<int, Triangle::kCells> solution_{};
    std::array<bool, Triangle::kParents + 1> sumChecks_{};
};

} // namespace cestaro
