// SPDX-License-Identifier: GPL-3.0-or-later
// Random draws with half-even rounding.
#include "filarino/logic/Draws.h"

#include "toolkit/core/HalfEven.h"
#include "toolkit/core/Random.h"

namespace filarino {
namespace {

int nearest(double x) {
    return static_cast<int>(tk::roundHalfEven(x));
}

} // namespace

int drawVerdictSound(tk::Random& random, bool right) {
    const double base = right ? 108.0 : 102.0;
    return nearest(base + 6.0 * random.next());
}

int drawPortraitId(tk::Random& random) {
    // Single precision on purpose: r rounds to float first, and a value just below 1 may become 1 (id 200).
    const float r = static_cast<float>(random.next());
    const float scaled = r * 99.0f;
    const float id = scaled + 101.0f;
    return static_cast<int>(tk::roundHalfEven(id));
}

tk::Rgb drawFlashColour(tk::Random& random) {
    tk::Rgb colour;
    colour.red = nearest(255.0 * random.next());
    colour.green = nearest(255.0 * random.next());
    colour.blue = nearest(255.0 * random.next());
    return colour;
}

int drawBlankIndex(tk::Random& random) {
    return nearest(11.0 * random.next());
}

} // namespace filarino
