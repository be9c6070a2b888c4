// Support shared by the window benchmarks: processor time and the share of a core used while idling.
#pragma once

namespace bench {

// Processor time (user and system) of this process, in seconds.
double cpuSeconds();

// Runs the event loop for `watchMs` milliseconds and returns the processor time it took, as a percentage
// of one core over that wall time.
double cpuPercentWhileIdle(int watchMs);

} // namespace bench
