#include "win/monitors.h"

namespace {
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
    reinterpret_cast<std::vector<RECT>*>(data)->push_back(*rect);
    return TRUE;
}
}  // namespace

std::vector<RECT> MonitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&rects));
    if (rects.empty())
        rects.push_back({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return rects;
}
