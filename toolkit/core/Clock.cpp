// SPDX-License-Identifier: GPL-3.0-or-later
// System clock reading and span arithmetic across midnight.
#include "toolkit/core/Clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace tk {

double SystemClock::secondsSinceMidnight() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const double fraction = duration<double>(now - system_clock::from_time_t(t)).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

double elapsedSeconds(double start, double end) {
    const double span = end - start;
    return span < 0 ? span + kSecondsPerDay : span;
}

} // namespace tk
