// SPDX-License-Identifier: GPL-3.0-or-later
// The time of day in seconds since midnight, with fractions: the interface and the real clock.
#pragma once

namespace tk {

class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

// Local time of day from the system.
class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() const override;
};

inline constexpr double kSecondsPerDay = 86400.0;

// Seconds elapsed from `start` to `end`, both read from the clock, for spans shorter than a day:
// a span that crosses midnight counts its true length instead of going negative.
double elapsedSeconds(double start, double end);

} // namespace tk
