#include "config/get_comma.h"

#include <algorithm>
#include <limits>

#include "core/sjis.h"

int CGetComma::FindComma(int n) const {
    if (n <= 0) return -1;
    int seen = 0;
    for (std::size_t pos = 0; pos < m_text.size(); ++pos) {
        if (m_text[pos] == ',' && ++seen == n) return static_cast<int>(pos);
    }
    return -1;
}

int CGetComma::GetValue(int index) const {
    const long long length = static_cast<long long>(m_text.size());
    long long start = -1;
    int comma = FindComma(index);
    if (comma != -1)
        start = comma + 1LL;
    else if (index == 0)
        start = 0;
    bool hasNext = index >= 0 && index < std::numeric_limits<int>::max();
    long long end = hasNext ? FindComma(index + 1) : -1;
    if (end == -1 && start >= 0) end = length;
    long long from = std::max(start, 0LL);
    long long count = std::max(end - start, 0LL);
    if (from >= length) return 0;
    count = std::min(count, length - from);
    return sjis::ParseDecimal(std::string_view(m_text).substr(from, count));
}
