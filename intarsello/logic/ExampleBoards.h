// SPDX-License-Identifier: GPL-3.0-or-later
// The four solved boards shown in the help panel, and the check that a board is a true tiling.
#pragma once

#include "intarsello/logic/Geometry.h"

#include <array>
#include <string>
#include <string_view>

namespace intarsello {

// Rows from top to bottom, one letter a square naming the tile that covers it (see tileOfLetter).
using ExampleBoard = std::array<std::string_view, kGridRows>;

inline constexpr int kExampleBoardCount = 4;

const std::array<ExampleBoard, kExampleBoardCount>& exampleBoards();

// Empty when `board` is 10 x 6, every tile's letter covers five squares in that tile's shape (turned or
// mirrored as may be) and nothing else appears; otherwise what is wrong, for a test to show.
std::string tilingProblem(const ExampleBoard& board);

} // namespace intarsello
