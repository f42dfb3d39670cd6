#include "win/monitors.h"

#include "core/work_area.h"

namespace {
ScreenRect ToScreenRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

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

RECT NormalWindowRect(HWND wnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(wnd, &placement);
    const RECT& normal = placement.rcNormalPosition;
    // A tool window's rectangle is given in screen coordinates already.
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if ((GetWindowLongA(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) ||
        !GetMonitorInfoA(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info))
        return normal;
    const ScreenRect r = ScreenFromWorkArea(ToScreenRect(normal), ToScreenRect(info.rcMonitor),
                                            ToScreenRect(info.rcWork));
    return {r.left, r.top, r.right, r.bottom};
}
