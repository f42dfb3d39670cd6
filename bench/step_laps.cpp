#include "bench/step_laps.h"

#include "bench/bench_stats.h"
#include "core/step_marks.h"

namespace bench {

StepLaps::StepLaps(double startMs) : m_mark(startMs) {
    SetStepListener(OnStep, this);
}

StepLaps::~StepLaps() {
    SetStepListener(nullptr, nullptr);
}

void StepLaps::OnStep(const char* step, void* context) {
    static_cast<StepLaps*>(context)->Mark(step);
}

void StepLaps::Mark(const std::string& name) {
    const double now = NowMs();
    m_laps.emplace_back(name, now - m_mark);
    m_mark = now;
}

bool StepLaps::Has(const std::string& name) const {
    for (const auto& lap : m_laps)
        if (lap.first == name) return true;
    return false;
}

double StepLaps::Of(const std::string& name) const {
    double ms = 0;
    for (const auto& lap : m_laps)
        if (lap.first == name) ms += lap.second;
    return ms;
}

}  // namespace bench
