// Holds Wine's desktop open while the tests run: the desktop process ends
// once no program uses it, and each test would start a new one, which keeps
// the test's output pipe open until it ends. Ends with the wineserver.
// With a file name as its argument it creates that file once the desktop
// is up, so the caller can wait for it before any test starts.

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    // A top-level window makes the desktop process start here, with this
    // program's output, not with a test's.
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                 nullptr);
    DestroyWindow(probe);
    if (commandLine && *commandLine) {
        HANDLE ready = CreateFileA(commandLine, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
