#pragma once
// What one call to the platform's server costs when the process has just
// slept and when it has just been busy: under Wine every window, message
// and wait call is a round trip to the server.

#include "bench/bench_stats.h"

namespace bench {

struct RoundTrips {
    Series rested;  // after 300 ms asleep, microseconds per call
    Series busy;    // after 600 ms of computing, the same
};

RoundTrips TimeRoundTrips(int rounds);

}  // namespace bench
