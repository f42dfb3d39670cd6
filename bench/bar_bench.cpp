#include "bench/bar_bench.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "app/launcher_app.h"
#include "bar/bar_dlg.h"
#include "bar/bar_ids.h"
#include "bench/paint_floor.h"
#include "bench/step_laps.h"
#include "buttons/bar_button.h"
#include "res/resource.h"

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

BarRig::BarRig(const std::string& appKey) : m_app(std::make_unique<CLauncherApp>(appKey)) {
    if (!m_app->InitInstance()) return;
    Settle();
}

BarRig::~BarRig() {
    if (!Started()) return;
    // The user's way out: the bar saves its state and closes the host,
    // whose end ends the loop.
    PostMessageA(m_app->Bar()->Handle(), WM_COMMAND, ID_APP_EXIT, 0);
    m_app->Run();
}

bool BarRig::Started() const {
    return m_app->Bar() != nullptr;
}

CBarDlg& BarRig::Bar() {
    return *m_app->Bar();
}

void BarRig::Settle() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) m_app->ProcessMessage(msg);
    if (Started()) RedrawWindow(Bar().Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

double BarRig::TimeRebuild() {
    const double start = NowMs();
    Bar().Rebuild();
    const double ms = NowMs() - start;
    Settle();
    return ms;
}

void BarRig::SetDpi(int dpi) {
    RECT r;
    GetWindowRect(Bar().Handle(), &r);
    SendMessageA(Bar().Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    Settle();
}

SwitchTime BarRig::TimeSwitch(int page) {
    SwitchTime t;
    {
        Lap lap(t.load);
        Bar().SwitchPage(page);
    }
    FinishSwitch(t);
    return t;
}

SwitchTime BarRig::TimeSwitchByPhase(int page) {
    SwitchTime t;
    {
        StepLaps laps(NowMs());
        Bar().SwitchPage(page);
        t.teardown = laps.Of("teardown");
        t.load = laps.Of("load");
        t.release = laps.Of("release");
    }
    FinishSwitch(t);
    return t;
}

void BarRig::FinishSwitch(SwitchTime& t) {
    {
        Lap lap(t.paint);
        RedrawWindow(Bar().Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    t.queue = PumpQueue();
    Settle();
}

std::vector<HWND> BarRig::ButtonWindows() const {
    std::vector<HWND> windows;
    for (const auto& b : m_app->Bar()->Buttons()) windows.push_back(b->Handle());
    return windows;
}

double BarRig::TimeTick() {
    const double start = NowMs();
    SendMessageA(Bar().Handle(), WM_TIMER, kClockTimerId, 0);
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
