#pragma once
// Start-up taken apart: the program starts in a fresh process of the
// benchmark, which listens to the steps the program names as it runs them
// and times each, from the creation of the process until the bar and its
// buttons are painted and the bar has its tool tips.

#include <string>
#include <vector>

#include "bench/bench_stats.h"

namespace bench {

// The benchmark's own laps among the program's steps.
constexpr char kUntilMainLap[] = "process and its libraries, until main";
constexpr char kFirstPaintLap[] = "first paint, until nothing is left to paint";

struct StartUpStep {
    std::string name;
    Series ms;
};

// The steps of `reps` fresh starts of `exe` (this benchmark) on the store
// of application key `appKey`, as it is, in the order they came.
std::vector<StartUpStep> TimeStartUpSteps(const std::string& exe, const std::string& appKey,
                                          int reps);

// The child's side: argv after "--startup-steps" is the application key,
// the time the parent created the process (ms of NowMs) and the file for
// the laps.
int RunStartUpSteps(const std::string& appKey, double createdMs, const std::string& out);

}  // namespace bench
