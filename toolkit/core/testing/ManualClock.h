// SPDX-License-Identifier: GPL-3.0-or-later
// Test double for the clock: a time of day that stays where it is set until a test moves it.
#pragma once

#include "toolkit/core/Clock.h"

#include <cmath>

namespace tk {

class ManualClock final : public Clock {
public:
    explicit ManualClock(double seconds = 0.0)
        : seconds_(seconds) {}
    double secondsSinceMidnight() const override { return seconds_; }
    void set(double seconds) { seconds_ = seconds; }
    // Moves on by `seconds`, wrapping at midnight like the real clock.
    void advance(double seconds) {
        seconds_ = std::fmod(seconds_ + seconds, kSecondsPerDay);
        if (seconds_ < 0) seconds_ += kSecondsPerDay;
    }

private:
    double seconds_;
};

} // namespace tk
