#pragma once
// The costliest platform calls of a page load and their alternatives, each
// timed alone, so that the cheapest pixel-identical one can be chosen.

#include <functional>
#include <string>
#include <vector>

#include "bench/bench_stats.h"

namespace bench {

struct CallFigure {
    std::string call;
    Series microseconds;
};

std::vector<CallFigure> TimeIconCalls(int reps);

}  // namespace bench
