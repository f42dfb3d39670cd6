#pragma once
// The real bar in this process, on a store of its own, with the figures
// taken from it: page loads, switches, clock ticks, footprint and idle.

#include <windows.h>

#include <memory>
#include <string>

#include "bench/bench_stats.h"
#include "config/launcher_store.h"

class CBarDlg;

namespace bench {

// What the process holds at one moment.
struct Footprint {
    DWORD gdi = 0, user = 0;                 // as the platform reports them
    long windows = 0, lists = 0, icons = 0;  // the program's own live handles
    long fonts = 0;
    double privateKb = 0, residentKb = 0;
};
Footprint TakeFootprint();

struct IdleFigures {
    double seconds = 0, cpuSeconds = 0;
    int wakeUps = 0, timerMessages = 0, otherMessages = 0;
};

class BarRig {
public:
    // The store at HKCU\<root> must hold the pages already.
    explicit BarRig(const std::string& root);
    ~BarRig();
    BarRig(const BarRig&) = delete;
    BarRig& operator=(const BarRig&) = delete;

    CBarDlg& Bar() { return *m_bar; }
    // Handles every queued message, then paints whatever is invalid.
    void Settle();
    // Time of one Rebuild of the page shown, in milliseconds.
    double TimeRebuild();
    // Time of a switch to `page` until the bar and its buttons are painted.
    double TimeSwitch(int page);
    // Time of one clock tick (the timer message, drawn at once).
    double TimeTick();
    IdleFigures Idle(double seconds);

private:
    LauncherStore m_store;
    HWND m_host = nullptr;
    std::unique_ptr<CBarDlg> m_bar;
};

}  // namespace bench
