// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the mouse moves that lay intarsello's tiles as one of its example boards, checked on the model:
// one line per move, in whole pixels of the puzzle window's client area.
//   rclick <none|ctrl|shift> X Y   right click (with a key held) at X, Y
//   drag X1 Y1 X2 Y2               left press at X1, Y1, move to X2, Y2, release
//   # tile K <letter>              comment: the moves of tile K follow
#include "intarsello/logic/Board.h"
#include "intarsello/logic/ExampleBoards.h"
#include "intarsello/logic/Geometry.h"
#include "toolkit/core/Twips.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace intarsello;

constexpr int kHalfSquarePx = 12;

struct Orientation {
    bool mirror = false; // left to right, before the turns
    int turns = 0;       // quarter turns
    TileShape shape;
};

std::optional<Orientation> orientationFor(const TileShape& start, const TileShape::Cells& target) {
    for (bool mirror : {false, true}) {
        TileShape s = mirror ? start.mirroredLeftToRight() : start;
        for (int turns = 0; turns < 4; ++turns, s = s.quarterTurned())
            if (s.form() == target) return Orientation{mirror, turns, s};
    }
    return std::nullopt;
}

class Player {
public:
    // The pointer's place over the centre of `cell`, in pixels of the client area.
    int centreX(int cell) const { return tk::twipsToPixels(board_.position(cell).left) + kHalfSquarePx; }
    int centreY(int cell) const { return tk::twipsToPixels(board_.position(cell).top) + kHalfSquarePx; }

    void rightClick(int cell, unsigned modifiers) {
        const int x = centreX(cell), y = centreY(cell);
        const char* key = modifiers == CtrlKey ? "ctrl" : modifiers == ShiftKey ? "shift" : "none";
        std::printf("rclick %s %d %d\n", key, x, y);
        board_.handle(at(MouseEventKind::Press, RightButton, 0, modifiers, cell, x, y));
        board_.handle(at(MouseEventKind::Release, RightButton, 0, modifiers, cell, x, y));
    }

    // Drags `cell` so that it lands with its top-left corner at (leftTwips, topTwips).
    void dragTo(int cell, int leftTwips, int topTwips) {
        const int x1 = centreX(cell), y1 = centreY(cell);
        board_.handle(at(MouseEventKind::Press, LeftButton, 0, 0, cell, x1, y1));
        const int x2 = tk::twipsToPixels(leftTwips + board_.GrabX());
        const int y2 = tk::twipsToPixels(topTwips + board_.GrabY());
        board_.handle(at(MouseEventKind::Motion, 0, LeftButton, 0, cell, x2, y2));
        board_.handle(at(MouseEventKind::Release, LeftButton, 0, 0, cell, x2, y2));
        std::printf("drag %d %d %d %d\n", x1, y1, x2, y2);
    }

    const Board& board() const { return board_; }

private:
    MouseEvent at(MouseEventKind kind, unsigned button, unsigned held, unsigned modifiers, int cell, int xPx,
                  int yPx) const {
        const SquarePosition p = board_.position(cell);
        return {
            kind, button, held, modifiers, tk::pixelsToTwips(xPx) - p.left, tk::pixelsToTwips(yPx) - p.top,
            cell};
    }

    Board board_;
};

} // namespace

int main(int argc, char** argv) {
    const int example = argc > 1 ? std::atoi(argv[1]) : 0;
    if (example < 0 || example >= kExampleBoardCount) {
        std::fprintf(stderr, "usage: intarsello_moves [0..%d]\n", kExampleBoardCount - 1);
        return 2;
    }
    const ExampleBoard& rows = exampleBoards()[static_cast<std::size_t>(example)];
    Player player;
    for (int k = 0; k < kTileCount; ++k) {
        const char letter = tiles()[static_cast<std::size_t>(k)].letter;
        std::vector<Offset> cells;
        for (int r = 0; r < kGridRows; ++r)
            for (int c = 0; c < kGridColumns; ++c)
                if (rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == letter)
                    cells.push_back({c, r});
        if (cells.size() != TileShape::kSquares) return 1;
        TileShape::Cells target{};
        for (std::size_t j = 0; j < cells.size(); ++j)
            target[j] = cells[j];
        const TileShape wanted(target);
        const auto found = orientationFor(player.board().shape(k), wanted.form());
        if (!found) return 1;

        std::printf("# tile %d %c\n", k, letter);
        const int anchor = Board::cellOf(k, 0);
        if (found->mirror) player.rightClick(anchor, CtrlKey);
        for (int t = 0; t < found->turns; ++t)
            player.rightClick(anchor, 0);
        const int column = wanted.minDx() - found->shape.minDx();
        const int row = wanted.minDy() - found->shape.minDy();
        player.dragTo(anchor, gridSquareLeftTwips(column), gridSquareTopTwips(row));
        for (int j = 0; j < TileShape::kSquares; ++j) {
            const SquarePosition p = player.board().position(Board::cellOf(k, j));
            const Offset o = found->shape[j];
            if (p.left != gridSquareLeftTwips(column + o.dx) || p.top != gridSquareTopTwips(row + o.dy)) {
                std::fprintf(stderr, "tile %d did not land where planned\n", k);
                return 1;
            }
        }
    }
    return 0;
}
