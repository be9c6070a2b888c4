// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window's fixed geometry in twips: squares, grid, grid lines, client area and the drop lattice.
#pragma once

#include <array>
#include <cstdint>

namespace intarsello {

inline constexpr int kSquareTwips = 360;
inline constexpr int kGridColumns = 10;
inline constexpr int kGridRows = 6;
inline constexpr int kGridLeftTwips = 5040; // left of the grid square of column 0
inline constexpr int kGridTopTwips = 360;   // top of the grid square of row 0

inline constexpr int kClientWidthTwips = 9510;
inline constexpr int kClientHeightTwips = 6420;

// Square positions are held within the range of a signed 16-bit number of twips.
inline constexpr int kMinTwips = INT16_MIN;
inline constexpr int kMaxTwips = INT16_MAX;

// A straight line drawn one pixel wide in black on the window's background, in twips.
struct LineSegment {
    int x1, y1, x2, y2;
    bool operator==(const LineSegment&) const = default;
};

inline constexpr int kGridLineCount = 1 + (kGridRows + 1) + (kGridColumns + 1);

// Everything the window draws on activation, in drawing order: the top edge of the client area under the
// menu bar, the 7 horizontal lines, then the 11 vertical ones (which run 4 twips left of the squares).
std::array<LineSegment, kGridLineCount> gridLines();

// Left and top of the grid square of column `column` (0..9) and row `row` (0..5).
constexpr int gridSquareLeftTwips(int column) {
    return kGridLeftTwips + kSquareTwips * column;
}
constexpr int gridSquareTopTwips(int row) {
    return kGridTopTwips + kSquareTwips * row;
}

// True when a square at (left, top) covers one grid square exactly.
bool liesOnGrid(double leftTwips, double topTwips);

// The drop rule for one coordinate: R = v - 180 rounded half-even, then 360 * (floor(R / 360) + 1).
// That is the nearest multiple of 360, with 360n + 179.5 going up. Any v in the 16-bit range gives a
// result in -32760..32760; values beyond that range are held at its ends first.
int snapToLattice(double twips);

} // namespace intarsello
