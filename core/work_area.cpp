#include "core/work_area.h"

#include <algorithm>
#include <climits>

namespace {
int Shifted(int value, long long by) {
    return static_cast<int>(std::clamp<long long>(value + by, INT_MIN, INT_MAX));
}
}  // namespace

ScreenRect ScreenFromWorkArea(const ScreenRect& rect, const ScreenRect& monitor,
                              const ScreenRect& work) {
    // Only a taskbar at the top or left moves the origin; one at the right
    // or bottom makes the work area smaller and shifts nothing.
    const long long dx = static_cast<long long>(work.left) - monitor.left;
    const long long dy = static_cast<long long>(work.top) - monitor.top;
    return {Shifted(rect.left, dx), Shifted(rect.top, dy), Shifted(rect.right, dx),
            Shifted(rect.bottom, dy)};
}
