// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the twelve tiles.
#include "intarsello/logic/Tile.h"

namespace intarsello {

namespace {

using C = TileShape::Cells;

// Start anchors: tiles 0..5 at left 1200 + 1300k, top 3400; tiles 6..11 at left 1650k - 9600, top 5200.
constexpr std::array<Tile, kTileCount> kTiles{{
    {'L', {0, 0, 0}, TileShape(C{{{0, 0}, {1, -1}, {0, -1}, {0, 1}, {0, 2}}}), 1200, 3400},
    {'X', {0, 0, 128}, TileShape(C{{{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}}}), 2500, 3400},
    {'U', {0, 128, 0}, TileShape(C{{{0, 0}, {1, 0}, {1, 1}, {-1, 0}, {-1, 1}}}), 3800, 3400},
    {'T', {0, 128, 128}, TileShape(C{{{0, 0}, {1, 0}, {-1, 0}, {0, -1}, {0, -2}}}), 5100, 3400},
    {'Z', {128, 0, 0}, TileShape(C{{{0, 0}, {0, 1}, {1, 1}, {0, -1}, {-1, -1}}}), 6400, 3400},
    {'Y', {128, 0, 128}, TileShape(C{{{0, 0}, {1, 0}, {0, 1}, {0, 2}, {0, -1}}}), 7700, 3400},
    {'V', {128, 128, 0}, TileShape(C{{{0, 0}, {1, 0}, {2, 0}, {0, -1}, {0, -2}}}), 300, 5200},
    {'W', {192, 192, 192}, TileShape(C{{{0, 0}, {-1, 0}, {-1, 1}, {0, -1}, {1, -1}}}), 1950, 5200},
    {'P', {128, 128, 128}, TileShape(C{{{0, 0}, {1, 0}, {0, 1}, {-1, 1}, {-1, 0}}}), 3600, 5200},
    {'N', {0, 0, 255}, TileShape(C{{{0, 0}, {0, 1}, {1, 1}, {-1, 0}, {-2, 0}}}), 5250, 5200},
    {'I', {0, 255, 0}, TileShape(C{{{0, 0}, {1, 0}, {2, 0}, {-1, 0}, {-2, 0}}}), 6900, 5200},
    {'F', {0, 255, 255}, TileShape(C{{{0, 0}, {1, 0}, {0, 1}, {0, 2}, {-1, 1}}}), 8550, 5200},
}};

} // namespace

const std::array<Tile, kTileCount>& tiles() {
    return kTiles;
}

int tileOfLetter(char letter) {
    for (int k = 0; k < kTileCount; ++k)
        if (kTiles[static_cast<std::size_t>(k)].letter == letter) return k;
    return -1;
}

} // namespace intarsello
