// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve tiles of the puzzle: letter, colour, start shape and start anchor of each.
#pragma once

#include "intarsello/logic/TileShape.h"
#include "toolkit/core/RgbColour.h"

#include <array>

namespace intarsello {

struct Tile {
    char letter;     // the pentomino's name, as the example boards write it
    tk::Rgb colour;  // entry k of the classic 16-colour text-mode palette for tile k
    TileShape start; // offsets at start; square 0 is the anchor
    int startLeft;   // twips: where the anchor starts
    int startTop;    // twips
};

inline constexpr int kTileCount = 12;

// Tiles 0..11 in the order L X U T Z Y V W P N I F; higher numbers pass in front of lower ones.
const std::array<Tile, kTileCount>& tiles();

// The tile named by `letter`, or -1 when no tile has that letter.
int tileOfLetter(char letter);

} // namespace intarsello
