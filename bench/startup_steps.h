#pragma once
// Start-up taken apart: the program's own start-up steps, run one after the
// other in a fresh process of the benchmark and timed each, from the
// creation of the process until the bar and its buttons are painted.

#include <string>
#include <vector>

#include "bench/bench_stats.h"

namespace bench {

struct StartUpStep {
    const char* name;
    Series ms;
};

// The steps of `reps` fresh starts of `exe` (this benchmark) on the store
// at HKCU\<root>, as it is.
std::vector<StartUpStep> TimeStartUpSteps(const std::string& exe, const std::string& root,
                                          int reps);

// The child's side: argv after "--startup-steps" is the root, the time the
// parent created the process (ms of NowMs) and the file for the laps.
int RunStartUpSteps(const std::string& root, double createdMs, const std::string& out);

}  // namespace bench
