// SPDX-License-Identifier: GPL-3.0-or-later
// The random draws of filarino's windows: sounds after a verdict, portraits, flashing colours, blanked
// portrait.
#pragma once

#include "toolkit/core/RgbColour.h"

namespace tk {
class Random;
}

namespace filarino {

// Each function takes its values r in [0, 1) from `random` and rounds to the nearest integer, halves to even,
// so the two end values of every range come up half as often as the inner ones.

// Sound resource after a verdict: 108 + 6r for a right answer (108..114), 102 + 6r for a wrong one
// (102..108).
int drawVerdictSound(tk::Random& random, bool right);

// Portrait picture id, 101 + 99r computed in single precision: 101..200.
int drawPortraitId(tk::Random& random);

// Red, green and blue drawn in that order, each 255r: 0..255.
tk::Rgb drawFlashColour(tk::Random& random);

// Index of the start window's portrait to blank, 11r: 0..11.
int drawBlankIndex(tk::Random& random);

} // namespace filarino
