#pragma once
// The real bar in this process, on a store of its own, with the figures
// taken from it: page loads, switches, clock ticks, footprint and idle.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

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

// One page switch until painted, in milliseconds, by phase.
struct SwitchTime {
    double teardown = 0, load = 0, release = 0;  // inside the switch
    double paint = 0, queue = 0;                 // after it
    double Total() const { return teardown + load + release + paint + queue; }
};

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
    // Tells the bar that its monitor's scale is now `dpi`, as the system
    // does when it is moved to another monitor; it loads its page again.
    void SetDpi(int dpi);
    // Time of a switch to `page` until the bar and its buttons are painted
    // and the queue is empty: the switch itself (in `load`), the paint, the
    // messages left.
    SwitchTime TimeSwitch(int page);
    // The same switch taken step by step as the bar takes it, with its
    // teardown, load and release of the held updates timed apart.
    SwitchTime TimeSwitchByPhase(int page);
    // The button windows of the page shown.
    std::vector<HWND> ButtonWindows() const;
    // Time of one clock tick (the timer message, drawn at once).
    double TimeTick();
    IdleFigures Idle(double seconds);

private:
    LauncherStore m_store;
    HWND m_host = nullptr;
    std::unique_ptr<CBarDlg> m_bar;
};

}  // namespace bench
