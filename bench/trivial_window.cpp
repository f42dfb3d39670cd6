// The floor for start-up: a program that shows one small window, paints it
// and waits for input. Built a second time as trivial_themed.exe, with the
// program's manifest (the visual style of the common controls) and one
// hidden button in its window, as the bar's template holds: the floor of a
// program whose controls are drawn in the system's visual style.

#include <windows.h>

namespace {
LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(wnd, msg, wp, lp);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = "TrivialWindow";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Trivial window", WS_POPUP, 100,
                               100, 90, 34, nullptr, nullptr, instance, nullptr);
#ifdef TRIVIAL_THEMED
    CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_DISABLED, 0, 0, 10, 10, wnd, nullptr, instance,
                    nullptr);
#endif
    ShowWindow(wnd, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
