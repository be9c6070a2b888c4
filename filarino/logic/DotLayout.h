// SPDX-License-Identifier: GPL-3.0-or-later
// Where the dots of an array and their reward pictures stand inside the drawing frame, in twips.
#pragma once

namespace filarino {

struct DotPlace {
    int leftTwips = 0;
    int topTwips = 0;

    friend bool operator==(const DotPlace&, const DotPlace&) = default;
};

// Dots are numbered from 1 in row-major order: dot i sits in row (i - 1) / dotsPerRow and column
// (i - 1) % dotsPerRow, rows and columns counted from 0 at the top left. `dotsPerRow` must be positive.

// The circle of dot i: left 180 + 540 c, top 210 + 555 r.
DotPlace circlePlace(int dotNumber, int dotsPerRow);

// The picture that replaces dot i: left 180 + 540 c, top 180 + 555 r, so it covers the circle.
DotPlace picturePlace(int dotNumber, int dotsPerRow);

} // namespace filarino
