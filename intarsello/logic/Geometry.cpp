// SPDX-License-Identifier: GPL-3.0-or-later
// Grid lines, the on-grid test and the lattice snap of the puzzle window.
#include "intarsello/logic/Geometry.h"

#include "toolkit/core/HalfEven.h"

#include <cmath>

namespace intarsello {

std::array<LineSegment, kGridLineCount> gridLines() {
    std::array<LineSegment, kGridLineCount> lines{};
    std::size_t n = 0;
    lines[n++] = {0, 0, kClientWidthTwips, 0};
    const int lineLeft = kGridLeftTwips - 4;
    const int lineRight = lineLeft + kSquareTwips * kGridColumns;
    for (int i = 1; i <= kGridRows + 1; ++i)
        lines[n++] = {lineLeft, kSquareTwips * i, lineRight, kSquareTwips * i};
    const int lineBottom = kGridTopTwips + kSquareTwips * kGridRows;
    for (int j = 1; j <= kGridColumns + 1; ++j) {
        const int x = lineLeft - kSquareTwips + kSquareTwips * j;
        lines[n++] = {x, kGridTopTwips, x, lineBottom};
    }
    return lines;
}

namespace {

bool onLatticeWithin(double v, int first, int count) {
    if (v != std::floor(v)) return false;
    const double steps = (v - first) / kSquareTwips;
    return steps == std::floor(steps) && steps >= 0 && steps < count;
}

} // namespace

bool liesOnGrid(double leftTwips, double topTwips) {
    return onLatticeWithin(leftTwips, kGridLeftTwips, kGridColumns) &&
           onLatticeWithin(topTwips, kGridTopTwips, kGridRows);
}

int snapToLattice(double twips) {
    // Held at the 16-bit range first, so that no input can overflow (NaN goes to the low end).
    if (!(twips >= kMinTwips)) twips = kMinTwips;
    if (twips > kMaxTwips) twips = kMaxTwips;
    const auto r = static_cast<long long>(tk::roundHalfEven(twips - kSquareTwips / 2.0));
    // Integer division truncates toward zero; the drop rule rounds down toward minus infinity.
    long long q = r / kSquareTwips;
    if (r % kSquareTwips != 0 && r < 0) --q;
    return static_cast<int>(kSquareTwips * (q + 1));
}

} // namespace intarsello
