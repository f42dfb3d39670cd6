#include "bench/startup_steps.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/launcher_app.h"
#include "bar/bar_dlg.h"
#include "bench/startup_bench.h"
#include "bench/step_laps.h"
#include "res/resource.h"

namespace bench {
namespace {

// The program's last start-up step: the bar activated, its tips made.
constexpr char kLastStep[] = "activation and tool tips, after the first paint";
constexpr double kGiveUpMs = 10000;

// Handles the application's messages as its loop does until its last
// start-up step has come, marking the first paint on the way: when the bar
// and its buttons have nothing left to paint, or when the thread's timers
// come due, which they do only once nothing is left to paint.
void PumpUntilStarted(CLauncherApp& app, StepLaps& laps) {
    bool painted = false;
    auto markPainted = [&](bool now) {
        if (painted || !now) return;
        painted = true;
        laps.Mark(kFirstPaintLap);
    };
    for (const double start = NowMs(); !laps.Has(kLastStep) && NowMs() - start < kGiveUpMs;) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        markPainted(msg.message == WM_TIMER);
        app.ProcessMessage(msg);
        CBarDlg* bar = app.Bar();
        markPainted(bar && NothingLeftToPaint(bar->Handle()));
    }
}

bool WriteLaps(const StepLaps& laps, const std::string& out) {
    FILE* f = std::fopen(out.c_str(), "w");
    if (!f) return false;
    for (const auto& [name, ms] : laps.Laps()) std::fprintf(f, "%.4f\t%s\n", ms, name.c_str());
    return std::fclose(f) == 0;
}

// One child's laps into `steps`, matched by name; a new name is added at
// the end.
void ReadLaps(const std::string& file, std::vector<StartUpStep>& steps) {
    FILE* f = std::fopen(file.c_str(), "r");
    if (!f) return;
    char line[512];
    while (std::fgets(line, sizeof line, f)) {
        char* tab = std::strchr(line, '\t');
        if (!tab) continue;
        std::string name(tab + 1);
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
        StartUpStep* step = nullptr;
        for (StartUpStep& s : steps)
            if (s.name == name) step = &s;
        if (!step) step = &steps.emplace_back(StartUpStep{name, {}});
        step->ms.Add(std::atof(line));
    }
    std::fclose(f);
}

bool RunChild(const std::string& exe, const std::string& appKey, const std::string& out) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double created = NowMs();
    std::string line = "\"" + exe + "\" --startup-steps \"" + appKey + "\" " +
                       std::to_string(created) + " \"" + out + "\"";
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return false;
    if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

}  // namespace

int RunStartUpSteps(const std::string& appKey, double createdMs, const std::string& out) {
    StepLaps laps(createdMs);
    laps.Mark(kUntilMainLap);
    CLauncherApp app(appKey);
    if (!app.InitInstance()) return 1;
    PumpUntilStarted(app, laps);
    if (!laps.Has(kLastStep) || !WriteLaps(laps, out)) return 1;
    // The user's way out: the bar saves its state and closes the host,
    // whose end ends the loop.
    PostMessageA(app.Bar()->Handle(), WM_COMMAND, ID_APP_EXIT, 0);
    return app.Run();
}

std::vector<StartUpStep> TimeStartUpSteps(const std::string& exe, const std::string& appKey,
                                          int reps) {
    std::vector<StartUpStep> steps;
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string out = std::string(dir) + "tarvix_bench_steps.txt";
    for (int r = 0; r < reps; ++r) {
        DeleteFileA(out.c_str());
        Sleep(kQuietMs);
        if (RunChild(exe, appKey, out)) ReadLaps(out, steps);
    }
    DeleteFileA(out.c_str());
    return steps;
}

}  // namespace bench
