// The floor for start-up: a program that shows one small window, paints it
// and waits for input.

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
    ShowWindow(wnd, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
