#include "bench/bar_bench.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "bar/bar_dlg.h"
#include "bench/paint_floor.h"
#include "bar/bar_ids.h"
#include "buttons/bar_button.h"
#include "config/win_registry.h"

namespace bench {
namespace {

// The resident size of the host process when the platform is an emulation
// layer on a system with /proc (Z: is its root); else the working set.
double ResidentKb(const PROCESS_MEMORY_COUNTERS_EX& pmc) {
    if (FILE* f = std::fopen("Z:\\proc\\self\\status", "r")) {
        char line[256];
        double kb = 0;
        while (std::fgets(line, sizeof line, f)) {
            if (std::strncmp(line, "VmRSS:", 6) == 0) kb = std::atof(line + 6);
        }
        std::fclose(f);
        if (kb > 0) return kb;
    }
    return static_cast<double>(pmc.WorkingSetSize) / 1024;
}

double CpuSeconds() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(wnd, msg, wp, lp);
}

HWND CreateHost() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TarvixBenchHost";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "", WS_CAPTION, 0, 0, 10, 10, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

}  // namespace

Footprint TakeFootprint() {
    Footprint f;
    f.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    f.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    f.windows = UniqueWindow::LiveCount();
    f.lists = UniqueImageList::LiveCount();
    f.icons = UniqueIcon::LiveCount();
    f.fonts = UniqueFont::LiveCount();
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                         sizeof pmc);
    // Some platforms leave PrivateUsage empty; PagefileUsage is the same count.
    f.privateKb =
        static_cast<double>(pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage) / 1024;
    f.residentKb = ResidentKb(pmc);
    return f;
}

BarRig::BarRig(const std::string& root) : m_store(std::make_unique<WinRegistry>()) {
    // root is "Software\<company>\<application>".
    const size_t first = root.find('\\'), second = root.find('\\', first + 1);
    m_store.Profile().SetRegistryKey(root.substr(first + 1, second - first - 1),
                                     root.substr(second + 1));
    m_host = CreateHost();
    m_bar = std::make_unique<CBarDlg>(m_store, nullptr);
    m_bar->CreateModeless(m_host);
    ShowWindow(m_bar->Handle(), SW_SHOW);
    Settle();
}

BarRig::~BarRig() {
    m_bar->PrepareExit();
    m_bar.reset();
    DestroyWindow(m_host);
    Settle();
}

void BarRig::Settle() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (m_bar && m_bar->Handle())
        RedrawWindow(m_bar->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

double BarRig::TimeRebuild() {
    const double start = NowMs();
    m_bar->Rebuild();
    const double ms = NowMs() - start;
    Settle();
    return ms;
}

void BarRig::SetDpi(int dpi) {
    RECT r;
    GetWindowRect(m_bar->Handle(), &r);
    SendMessageA(m_bar->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    Settle();
}

SwitchTime BarRig::TimeSwitch(int page) {
    SwitchTime t;
    {
        Lap lap(t.load);
        m_bar->SwitchPage(page);
    }
    {
        Lap lap(t.paint);
        RedrawWindow(m_bar->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    t.queue = PumpQueue();
    Settle();
    return t;
}

SwitchTime BarRig::TimeSwitchByPhase(int page) {
    SwitchTime t;
    CBarDlg& bar = *m_bar;
    double start = NowMs();
    // The steps of SwitchPage.
    LockWindowUpdate(bar.Handle());
    bar.DestroyButtons();
    t.teardown = NowMs() - start;
    start = NowMs();
    RECT r;
    GetWindowRect(bar.Handle(), &r);
    bar.LoadPage(page, r.left, r.top);
    t.load = NowMs() - start;
    start = NowMs();
    LockWindowUpdate(nullptr);
    t.release = NowMs() - start;
    start = NowMs();
    RedrawWindow(bar.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    t.paint = NowMs() - start;
    t.queue = PumpQueue();
    Settle();
    return t;
}

std::vector<HWND> BarRig::ButtonWindows() const {
    std::vector<HWND> windows;
    for (const auto& b : m_bar->Buttons()) windows.push_back(b->Handle());
    return windows;
}

double BarRig::TimeTick() {
    const double start = NowMs();
    SendMessageA(m_bar->Handle(), WM_TIMER, kClockTimerId, 0);
    return NowMs() - start;
}

IdleFigures BarRig::Idle(double seconds) {
    Settle();
    IdleFigures idle;
    const double cpu = CpuSeconds(), start = NowMs(), end = start + seconds * 1000;
    for (double now = start; now < end; now = NowMs()) {
        const DWORD wait = static_cast<DWORD>(end - now) + 1;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT) != WAIT_OBJECT_0)
            continue;
        ++idle.wakeUps;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ++(msg.message == WM_TIMER ? idle.timerMessages : idle.otherMessages);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    idle.seconds = (NowMs() - start) / 1000;
    idle.cpuSeconds = CpuSeconds() - cpu;
    return idle;
}

}  // namespace bench
