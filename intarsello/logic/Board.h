// SPDX-License-Identifier: GPL-3.0-or-later
// The board state of the puzzle: the 60 square positions, the shape of each tile and the grab point.
#pragma once

#include "intarsello/logic/MouseEvent.h"
#include "intarsello/logic/Tile.h"
#include "intarsello/logic/TileShape.h"

#include <array>
#include <cstdint>

namespace intarsello {

// Top-left of a square, in twips; real during a drag, whole after a drop.
struct SquarePosition {
    double left = 0;
    double top = 0;
    bool operator==(const SquarePosition&) const = default;
};

// What a mouse event did, so the window knows whether tile `cell / 5` needs placing again.
enum class BoardAction {
    None,
    Grabbed,
    Dragged,
    Dropped,
    Turned,
    MirroredTopToBottom,
    MirroredLeftToRight,
    Replaced
};

class Board {
public:
    static constexpr int kSquaresPerTile = TileShape::kSquares;
    static constexpr int kCellCount = kTileCount * kSquaresPerTile;

    // A board with every tile at its start position.
    Board();

    static constexpr int tileOf(int cell) { return cell / kSquaresPerTile; }
    static constexpr int squareOf(int cell) { return cell % kSquaresPerTile; }
    static constexpr int cellOf(int tile, int square) { return tile * kSquaresPerTile + square; }

    // Fills the shapes from the tile table and puts every square at its start position.
    void SetupTiles();

    SquarePosition position(int cell) const { return positions_[static_cast<std::size_t>(cell)]; }
    const TileShape& shape(int tile) const { return shapes_[static_cast<std::size_t>(tile)]; }
    int OffsetX(int tile, int square) const { return shape(tile)[square].dx; }
    int OffsetY(int tile, int square) const { return shape(tile)[square].dy; }
    double GrabX() const { return grabX_; }
    std::int16_t GrabY() const { return grabY_; }

    // Applies the mouse rules to the tile of `e.cell`; an index outside 0..59 does nothing.
    BoardAction handle(const MouseEvent& e);

    // The single operations behind handle(); `tile` must be 0..11. A drop, turn or mirror that leaves every
    // square of the tile outside the client area moves it by whole lattice steps to the nearest place
    // wholly inside; a tile with any square in sight stays where it is.
    void grab(double xTwips, double yTwips);
    void drag(int tile, double xTwips, double yTwips);
    void drop(int tile);
    void transform(int tile, Transform t);
    // Moves `tile` by whole lattice steps (`columns` to the right, `rows` down; negative the other way) as
    // a drag by that many squares and a drop would: within the 16-bit range, snapped, and brought back
    // when wholly out of sight. A tile off the lattice lands on its nearest lattice place that way.
    void step(int tile, int columns, int rows);

    // Puts the anchor of `tile` at (left, top) and its other squares in formation around it, kept
    // within the 16-bit range.
    void placeTile(int tile, double leftTwips, double topTwips);

private:
    struct Extent {
        double minLeft, maxLeft, minTop, maxTop;
    };
    Extent extent(int tile) const;
    void shiftTile(int tile, double dxTwips, double dyTwips);
    void placeFromAnchor(int tile, double anchorLeft, double anchorTop);
    void moveTile(int tile, double dxTwips, double dyTwips);
    void bringBackIntoView(int tile);

    std::array<SquarePosition, kCellCount> positions_{};
    std::array<TileShape, kTileCount> shapes_{};
    double grabX_ = 0;
    std::int16_t grabY_ = 0;
};

} // namespace intarsello
