// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-board resets and counts.
#include "cestaro/logic/Board.h"

#include <algorithm>

namespace cestaro {

void Board::PT() {
    for (auto& c : cells_)
        c.text.clear();
}

void Board::UnlockA() {
    for (auto& c : cells_)
        c.locked = false;
}

void Board::RESET() {
    PT();
    UnlockA();
}

void Board::RRESET() {
    solution_.fill(0);
    sumChecks_.fill(false);
}

void Board::ATW() {
    for (auto& c : cells_)
        c.colour = CellColour::Hidden;
}

bool Board::allFilled() const {
    return std::all_of(cells_.begin(), cells_.end(), [](const CellView& c) { return !c.text.empty(); });
}

bool Board::anyText() const {
    return std::any_of(cells_.begin(), cells_.end(), [](const CellView& c) { return !c.text.empty(); });
}

int Board::givenCount() const {
    return static_cast<int>(std::count_if(cells_.begin(), cells_.end(),
                                          [](const CellView& c) { return c.colour == CellColour::Red; }));
}

} // namespace cestaro
