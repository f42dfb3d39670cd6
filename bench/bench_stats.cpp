#include "bench/bench_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {

double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perMs;
}

double Series::Median() const {
    if (m_values.empty()) return 0;
    std::vector<double> v = m_values;
    const size_t mid = v.size() / 2;
    std::nth_element(v.begin(), v.begin() + mid, v.end());
    if (v.size() % 2) return v[mid];
    const double upper = v[mid];
    return (upper + *std::max_element(v.begin(), v.begin() + mid)) / 2;
}

double Series::Min() const {
    return m_values.empty() ? 0 : *std::min_element(m_values.begin(), m_values.end());
}

double Series::Max() const {
    return m_values.empty() ? 0 : *std::max_element(m_values.begin(), m_values.end());
}

double Series::Percentile(double percent) const {
    if (m_values.empty()) return 0;
    std::vector<double> v = m_values;
    std::sort(v.begin(), v.end());
    size_t rank = static_cast<size_t>(std::ceil(percent / 100 * static_cast<double>(v.size())));
    return v[std::clamp<size_t>(rank, 1, v.size()) - 1];
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Figure(const Series& s, int decimals) {
    if (s.Empty()) return "-";
    return Fixed(s.Median(), decimals) + " (" + Fixed(s.Min(), decimals) + "-" +
           Fixed(s.Max(), decimals) + ")";
}

}  // namespace bench
