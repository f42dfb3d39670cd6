#include "bench/startup_steps.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bar/bar_dlg.h"
#include "bar/bar_ids.h"
#include "bench/startup_bench.h"
#include "config/bar_settings.h"
#include "config/launcher_store.h"
#include "config/win_registry.h"
#include "res/resource.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/res_string.h"

namespace bench {
namespace {

enum Step {
    kProcess,
    kControls,
    kHost,
    kTemplate,
    kStore,
    kClock,
    kPage,
    kHotKey,
    kTimer,
    kPaint,
    kTips,
    kStepCount
};

constexpr const char* kStepNames[kStepCount] = {
    "process and its libraries, until main",
    "common controls",
    "single-copy check, host class and window",
    "bar window from its template",
    "the store: settings, position, hotkey",
    "clock font and its measuring",
    "page load (buttons and icons)",
    "hotkey registration",
    "clock timer and the first paint's timer",
    "first paint, until nothing is left to paint",
    "activation and tool tips, after the first paint",
};

LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(wnd, msg, wp, lp);
}

// The bar's initialisation, step by step, with a lap after each step.
class StagedBar : public CBarDlg {
public:
    StagedBar(LauncherStore& store, double (&laps)[kStepCount])
        : CBarDlg(store, nullptr), m_store(store), m_laps(laps) {}
    double m_mark = 0;

protected:
    BOOL OnInitDialog() override {
        Lap(kTemplate);
        SetWindowTextA(m_hWnd, LoadResString(IDS_BAR_TITLE).c_str());
        KeepDialogLayoutOnDpiChange(m_hWnd);
        const BarPosition pos = LoadLastPosition(m_store.Profile());
        m_dpi = MonitorDpiAt(POINT{pos.x, pos.y});
        m_store.LoadHotKey(m_hotKey);
        Lap(kStore);
        LoadClockFont();
        MeasureClock();
        Lap(kClock);
        LoadPage(m_curPage, pos.x, pos.y);
        Lap(kPage);
        RegisterBarHotKey();
        Lap(kHotKey);
        SetTimer(m_hWnd, kClockTimerId, kClockTimerPeriod, nullptr);
        SetTimer(m_hWnd, kFirstPaintTimerId, USER_TIMER_MINIMUM, nullptr);
        Lap(kTimer);
        return TRUE;
    }

public:
    void Lap(Step step) {
        const double now = NowMs();
        m_laps[step] += now - m_mark;
        m_mark = now;
    }

private:
    LauncherStore& m_store;
    double (&m_laps)[kStepCount];
};

bool Painted(HWND wnd) {
    if (GetUpdateRect(wnd, nullptr, FALSE)) return false;
    for (HWND c = GetWindow(wnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c) && GetUpdateRect(c, nullptr, FALSE)) return false;
    return true;
}

// Dispatches until the bar and its buttons have nothing left to paint. The
// first paint's timer, due once the paint is done, is left to the next step.
void PumpUntilPainted(HWND bar) {
    for (const double start = NowMs(); !Painted(bar) && NowMs() - start < 10000;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_TIMER && msg.hwnd == bar && msg.wParam == kFirstPaintTimerId)
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

int RunStartUpSteps(const std::string& root, double createdMs, const std::string& out) {
    double laps[kStepCount] = {};
    laps[kProcess] = NowMs() - createdMs;
    double mark = NowMs();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    laps[kControls] = NowMs() - mark;
    mark = NowMs();
    FindWindowA(nullptr, "Tarvix");
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = "TarvixBenchStartHost";
    RegisterClassA(&wc);
    UniqueWindow host(CreateWindowExA(0, wc.lpszClassName, "Tarvix", WS_CAPTION | WS_MINIMIZEBOX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                      nullptr, nullptr, wc.hInstance, nullptr));
    laps[kHost] = NowMs() - mark;
    mark = NowMs();
    LauncherStore store(std::make_unique<WinRegistry>());
    const size_t first = root.find('\\'), second = root.find('\\', first + 1);
    store.Profile().SetRegistryKey(root.substr(first + 1, second - first - 1),
                                   root.substr(second + 1));
    {
        auto bar = std::make_unique<StagedBar>(store, laps);
        laps[kStore] += NowMs() - mark;  // the settings, read by the constructor
        bar->m_mark = NowMs();
        bar->CreateModeless(host.Get());
        ShowWindow(bar->Handle(), SW_SHOW);
        bar->Lap(kTemplate);
        PumpUntilPainted(bar->Handle());
        bar->Lap(kPaint);
        bar->OnFirstPaintDone();
        bar->Lap(kTips);
        bar->PrepareExit();
    }
    host.Reset();
    FILE* f = std::fopen(out.c_str(), "w");
    if (!f) return 1;
    for (double lap : laps) std::fprintf(f, "%.4f\n", lap);
    std::fclose(f);
    return 0;
}

std::vector<StartUpStep> TimeStartUpSteps(const std::string& exe, const std::string& root,
                                          int reps) {
    std::vector<StartUpStep> steps;
    for (const char* name : kStepNames) steps.push_back({name, {}});
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string out = std::string(dir) + "tarvix_bench_steps.txt";
    for (int r = 0; r < reps; ++r) {
        DeleteFileA(out.c_str());
        Sleep(kQuietMs);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        const double created = NowMs();
        std::string line = "\"" + exe + "\" --startup-steps \"" + root + "\" " +
                           std::to_string(created) + " \"" + out + "\"";
        if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &si, &pi))
            continue;
        if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0)
            TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        FILE* f = std::fopen(out.c_str(), "r");
        if (!f) continue;
        for (StartUpStep& s : steps) {
            double v = 0;
            if (std::fscanf(f, "%lf", &v) == 1) s.ms.Add(v);
        }
        std::fclose(f);
    }
    DeleteFileA(out.c_str());
    return steps;
}

}  // namespace bench
