#include "win/dpi.h"

#include "core/dpi_scale.h"
#include "win/system_library.h"

namespace {

template <typename F>
F SystemFunction(const char* module, const char* name) {
    HMODULE handle = GetModuleHandleA(module);
    // shcore is not loaded by the program otherwise.
    if (!handle) handle = LoadSystemLibrary(module);
    return handle ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(handle, name)))
                  : nullptr;
}

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND wnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = SystemFunction<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    const UINT dpi = getDpi && wnd ? getDpi(wnd) : 0;
    return dpi ? static_cast<int>(dpi) : SystemDpi();
}

int MonitorDpiAt(POINT point) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpi = SystemFunction<GetDpiForMonitorFn>("shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    if (getDpi &&
        SUCCEEDED(
            getDpi(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY), kEffectiveDpi, &x, &y)) &&
        y)
        return static_cast<int>(y);
    return SystemDpi();
}

void KeepDialogLayoutOnDpiChange(HWND dialog) {
    using SetBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
    static const auto setBehavior =
        SystemFunction<SetBehaviorFn>("user32.dll", "SetDialogDpiChangeBehavior");
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    if (setBehavior) setBehavior(dialog, kDisableAll, kDisableAll);
}
