// SPDX-License-Identifier: GPL-3.0-or-later
// The clocks and spans measured across midnight.
#include "toolkit/core/Clock.h"

#include "toolkit/core/testing/ManualClock.h"

#include <gtest/gtest.h>

namespace {

TEST(Clock, SystemClockReadsTimeOfDay) {
    const double now = tk::SystemClock().secondsSinceMidnight();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, tk::kSecondsPerDay);
}

TEST(Clock, ManualClockWrapsAtMidnight) {
    tk::ManualClock clock(86399.5);
    clock.advance(1.0);
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(), 0.5);
    clock.set(100);
    EXPECT_EQ(clock.secondsSinceMidnight(), 100);
}

TEST(Clock, ElapsedSpansMidnightWithoutGoingNegative) {
    EXPECT_DOUBLE_EQ(tk::elapsedSeconds(10.0, 17.9), 7.9);
    EXPECT_DOUBLE_EQ(tk::elapsedSeconds(86395.0, 5.0), 10.0);
    EXPECT_DOUBLE_EQ(tk::elapsedSeconds(42.0, 42.0), 0.0);
}

} // namespace
