#include "core/dpi_scale.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

int Rounded(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    const std::int64_t q =
        numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
    return static_cast<int>(std::clamp<std::int64_t>(q, INT_MIN, INT_MAX));
}

int Usable(int dpi) {
    return dpi >= 1 ? dpi : kBaseDpi;
}

}  // namespace

int ScaleForDpi(int value, int dpi) {
    return Rounded(static_cast<std::int64_t>(value) * Usable(dpi), kBaseDpi);
}

int UnscaleForDpi(int value, int dpi) {
    return Rounded(static_cast<std::int64_t>(value) * kBaseDpi, Usable(dpi));
}
