// SPDX-License-Identifier: GPL-3.0-or-later
// Grid of dots: 540 twips between columns, 555 between rows.
#include "filarino/logic/DotLayout.h"

namespace filarino {
namespace {

constexpr int kLeftTwips = 180;
constexpr int kColumnStepTwips = 540;
constexpr int kRowStepTwips = 555;

DotPlace place(int dotNumber, int dotsPerRow, int firstTopTwips) {
    const int row = (dotNumber - 1) / dotsPerRow;
    const int column = (dotNumber - 1) % dotsPerRow;
    return {kLeftTwips + kColumnStepTwips * column, firstTopTwips + kRowStepTwips * row};
}

} // namespace

DotPlace circlePlace(int dotNumber, int dotsPerRow) {
    return place(dotNumber, dotsPerRow, 210);
}

DotPlace picturePlace(int dotNumber, int dotsPerRow) {
    return place(dotNumber, dotsPerRow, 180);
}

} // namespace filarino
