// SPDX-License-Identifier: GPL-3.0-or-later
// Twips (1/1440 inch) to logical pixels at 96 dpi, and font points to pixels: the one place units convert.
#pragma once

#include "toolkit/core/HalfEven.h"

namespace tk {

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel, halves to even (1300 twips is 86.67 px and becomes 87).
inline int twipsToPixels(double twips) {
    return static_cast<int>(roundHalfEven(twips / kTwipsPerPixel));
}
inline double pixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

// A font of `points` drawn at 96 dpi, whatever the screen says.
inline int pointsToPixels(double points) {
    return static_cast<int>(roundHalfEven(points * 96.0 / 72.0));
}

} // namespace tk
