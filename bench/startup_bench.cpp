#include "bench/startup_bench.h"

#include <windows.h>

#include "bench/bench_pages.h"
#include "bench/bench_stats.h"

namespace bench {
namespace {

struct ButtonScan {
    int withIcons = 0;
    bool painted = true;
};

// Stops at the first shown child with something left to paint. Only reads
// what the window manager keeps: nothing is sent to the program's thread,
// which may be painting.
BOOL CALLBACK ScanPaint(HWND child, LPARAM lp) {
    auto& scan = *reinterpret_cast<ButtonScan*>(lp);
    scan.painted = !IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE);
    return scan.painted;
}

BOOL CALLBACK CountIcons(HWND child, LPARAM lp) {
    auto& scan = *reinterpret_cast<ButtonScan*>(lp);
    char cls[16];
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child) &&
        SendMessageA(child, BM_GETIMAGE, IMAGE_ICON, 0))
        ++scan.withIcons;
    return TRUE;
}

// True when the window shows its buttons and has nothing left to paint.
// The buttons' icons are asked for only once all is painted, as a query
// waits for the program's thread.
bool FullyPainted(HWND wnd, int buttons) {
    if (!IsWindowVisible(wnd) || !NothingLeftToPaint(wnd)) return false;
    ButtonScan scan;
    EnumChildWindows(wnd, CountIcons, reinterpret_cast<LPARAM>(&scan));
    return scan.withIcons == buttons;
}

// The window of `windowClass` and `title` that belongs to process `pid`.
HWND FindProcessWindow(DWORD pid, const char* windowClass, const char* title) {
    for (HWND wnd = FindWindowExA(nullptr, nullptr, windowClass, title); wnd;
         wnd = FindWindowExA(nullptr, wnd, windowClass, title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (owner == pid) return wnd;
    }
    return nullptr;
}

}  // namespace

bool NothingLeftToPaint(HWND wnd) {
    if (GetUpdateRect(wnd, nullptr, FALSE)) return false;
    ButtonScan scan;
    EnumChildWindows(wnd, ScanPaint, reinterpret_cast<LPARAM>(&scan));
    return scan.painted;
}

StoreGuard::StoreGuard(std::string root)
    : m_root(std::move(root)),
      m_saved(m_root + " (kept aside by the benchmark)"),
      m_had(KeyExists(m_root)) {
    if (!m_had) return;
    DeleteTree(m_saved);
    // Without a copy the store stays where it is, used and not restored.
    m_had = CopyTree(m_root, m_saved);
    if (m_had) DeleteTree(m_root);
}

StoreGuard::~StoreGuard() {
    if (!m_had) return;
    DeleteTree(m_root);
    if (CopyTree(m_saved, m_root)) DeleteTree(m_saved);
}

double TimeStartUp(const std::string& exe, const char* windowClass, const char* title, int buttons,
                   unsigned closeCommand, unsigned quietMs) {
    Sleep(quietMs);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = "\"" + exe + "\"";
    const double start = NowMs();
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return -1;
    double ms = -1;
    HWND wnd = nullptr;
    while (NowMs() - start < 30000) {
        WaitForInputIdle(pi.hProcess, 30000);
        // A program waits for input only with nothing left to paint, so a
        // window found fully painted was so when the wait returned. The
        // check's own time is not the program's: it asks every button for
        // its icon across processes, about 20 ms for 100 buttons.
        const double idle = NowMs();
        if (!wnd) wnd = FindProcessWindow(pi.dwProcessId, windowClass, title);
        if (wnd && FullyPainted(wnd, buttons)) {
            ms = idle - start;
            break;
        }
        if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    if (wnd) PostMessageA(wnd, closeCommand ? WM_COMMAND : WM_CLOSE, closeCommand, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ms;
}

}  // namespace bench
