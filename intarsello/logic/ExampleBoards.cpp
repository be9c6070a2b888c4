// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel's example solutions and the tiling check.
#include "intarsello/logic/ExampleBoards.h"

#include "intarsello/logic/Tile.h"
#include "intarsello/logic/TileShape.h"

#include <vector>

namespace intarsello {

namespace {

constexpr std::array<ExampleBoard, kExampleBoardCount> kBoards{{
    {"UUNNNIIIII", "UNNWWXYYYY", "UUWWXXXYTL", "VZWFFXTTTL", "VZZZFFPPTL", "VVVZFPPPLL"},
    {"UUUYYYYNNW", "UPUZYNNNWW", "PPFZZZTWWV", "PPFFXZTTTV", "LFFXXXTVVV", "LLLLXIIIII"},
    {"ZZUUULLLLF", "VZUWULXFFF", "VZZWWXXXFT", "VVVYWWXTTT", "PPYYYYNNNT", "PPPIIIIINN"},
    {"NNIIIIIPPP", "FNNNYYYYPP", "FFFXWWYVVV", "TFXXXWWZZV", "TTTXLUWUZV", "TLLLLUUUZZ"},
}};

} // namespace

const std::array<ExampleBoard, kExampleBoardCount>& exampleBoards() {
    return kBoards;
}

std::string tilingProblem(const ExampleBoard& board) {
    std::array<std::vector<Offset>, kTileCount> squares;
    for (int row = 0; row < kGridRows; ++row) {
        const std::string_view line = board[static_cast<std::size_t>(row)];
        if (line.size() != kGridColumns)
            return "row " + std::to_string(row) + " is not " + std::to_string(kGridColumns) + " wide";
        for (int column = 0; column < kGridColumns; ++column) {
            const char letter = line[static_cast<std::size_t>(column)];
            const int k = tileOfLetter(letter);
            if (k < 0) return std::string("no tile is called ") + letter;
            squares[static_cast<std::size_t>(k)].push_back({column, row});
        }
    }
    for (int k = 0; k < kTileCount; ++k) {
        const Tile& tile = tiles()[static_cast<std::size_t>(k)];
        const std::vector<Offset>& covered = squares[static_cast<std::size_t>(k)];
        if (covered.size() != TileShape::kSquares)
            return std::string(1, tile.letter) + " covers " + std::to_string(covered.size()) + " squares";
        TileShape::Cells cells{};
        for (std::size_t j = 0; j < cells.size(); ++j)
            cells[j] = {covered[j].dx - covered[0].dx, covered[j].dy - covered[0].dy};
        if (!TileShape(cells).sameFreeFormAs(tile.start))
            return std::string(1, tile.letter) + " does not have its tile's shape";
    }
    return {};
}

} // namespace intarsello
