// SPDX-License-Identifier: GPL-3.0-or-later
// The attract-mode glow: ten colours from yellow to red and back, one per timer tick.
#pragma once

#include "toolkit/core/RgbColour.h"

namespace cestaro {

class DemoGlow {
public:
    static constexpr int kSteps = 10;
    static constexpr int kIntervalMs = 150;

    // Colour of step 0..9 (a step outside is taken modulo 10).
    static tk::Rgb colour(int step);

    // The position in the cycle, 0..9; 0 at start.
    int step() const { return step_; }
    // One tick: the colour to paint now; the step then moves on, from 9 back to 0.
    tk::Rgb tick();

private:
    int step_ = 0;
};

} // namespace cestaro
