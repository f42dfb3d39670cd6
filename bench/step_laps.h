#pragma once
// Laps between the marks the program makes as its named steps end
// (core/step_marks.h), in the order they come, with marks of the
// benchmark's own among them. Listens while it lives; one at a time.

#include <string>
#include <utility>
#include <vector>

namespace bench {

class StepLaps {
public:
    // The first lap runs from `startMs` (of NowMs).
    explicit StepLaps(double startMs);
    ~StepLaps();
    StepLaps(const StepLaps&) = delete;
    StepLaps& operator=(const StepLaps&) = delete;

    // Ends a lap named `name` now.
    void Mark(const std::string& name);
    bool Has(const std::string& name) const;
    // The milliseconds of the laps named `name`, 0 without one.
    double Of(const std::string& name) const;
    const std::vector<std::pair<std::string, double>>& Laps() const { return m_laps; }

private:
    static void OnStep(const char* step, void* context);

    double m_mark;
    std::vector<std::pair<std::string, double>> m_laps;
};

}  // namespace bench
