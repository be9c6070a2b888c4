// SPDX-License-Identifier: GPL-3.0-or-later
// A colour as red, green and blue components 0..255, for logic that chooses colours without Qt.
#pragma once

namespace tk {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

} // namespace tk
