#pragma once
// Timing and summary figures for the benchmark: a monotonic clock in
// milliseconds and series of samples reduced to median, min and max.

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// Milliseconds since an arbitrary start, from the performance counter.
double NowMs();

// Adds the time between its construction and its end to a total.
class Lap {
public:
    explicit Lap(double& total) : m_total(total), m_start(NowMs()) {}
    ~Lap() { m_total += NowMs() - m_start; }
    Lap(const Lap&) = delete;
    Lap& operator=(const Lap&) = delete;

private:
    double& m_total;
    double m_start;
};

class Series {
public:
    void Add(double value) { m_values.push_back(value); }
    bool Empty() const { return m_values.empty(); }
    double Median() const;
    double Min() const;
    double Max() const;
    // The value below which `percent` of the samples lie (nearest rank).
    double Percentile(double percent) const;
    size_t Size() const { return m_values.size(); }
    double At(size_t i) const { return m_values[i]; }

private:
    std::vector<double> m_values;
};

// "median (min..max)" with the given number of decimals.
std::string Figure(const Series& s, int decimals = 3);
std::string Fixed(double value, int decimals);

}  // namespace bench
