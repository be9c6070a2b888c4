// SPDX-License-Identifier: GPL-3.0-or-later
// A tile's shape: its five squares' offsets from the anchor, a value whose turns and mirrors return new ones.
#pragma once

#include <array>
#include <compare>

namespace intarsello {

// Offset of a square from the anchor, counted in squares; dy grows downward.
struct Offset {
    int dx = 0;
    int dy = 0;
    auto operator<=>(const Offset&) const = default;
};

// What a right-button press does to a tile's offsets.
enum class Transform {
    QuarterTurn,       // (dx, dy) -> (dy, -dx): counter-clockwise on the screen
    MirrorTopToBottom, // (dx, dy) -> (dx, -dy): about the horizontal line through the anchor
    MirrorLeftToRight, // (dx, dy) -> (-dx, dy): about the vertical line through the anchor
    None,              // offsets unchanged; the tile is only placed again from its anchor
};

class TileShape {
public:
    static constexpr int kSquares = 5;
    using Cells = std::array<Offset, kSquares>;

    constexpr TileShape() = default;
    // Square 0 is the anchor and should be at (0, 0).
    constexpr explicit TileShape(const Cells& offsets)
        : offsets_(offsets) {}

    constexpr const Offset& operator[](int square) const {
        return offsets_[static_cast<std::size_t>(square)];
    }
    constexpr const Cells& offsets() const { return offsets_; }
    bool operator==(const TileShape&) const = default;

    TileShape transformed(Transform t) const;
    TileShape quarterTurned() const { return transformed(Transform::QuarterTurn); }
    TileShape mirroredTopToBottom() const { return transformed(Transform::MirrorTopToBottom); }
    TileShape mirroredLeftToRight() const { return transformed(Transform::MirrorLeftToRight); }

    // The squares covered, whatever their numbering and anchor: sorted, shifted to smallest dx and dy 0.
    Cells form() const;
    // The smallest form over the eight turns and mirrors: equal exactly for the same free pentomino.
    Cells freeForm() const;
    bool sameFreeFormAs(const TileShape& other) const { return freeForm() == other.freeForm(); }

    // Extremes of the offsets, in squares.
    int minDx() const;
    int maxDx() const;
    int minDy() const;
    int maxDy() const;

private:
    Cells offsets_{};
};

} // namespace intarsello
