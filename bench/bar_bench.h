#pragma once
// The real application in this process, started on a store key of its
// own, with the figures taken from its bar: page loads, switches, clock
// ticks, footprint and idle.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/bench_stats.h"
class CBarDlg;
class CLauncherApp;

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
    // Starts the application on the store of application key `appKey`,
    // which must hold the pages already. No other window may carry the
    // bar's title: the start would stop at the single-copy check.
    explicit BarRig(const std::string& appKey);
    ~BarRig();
    BarRig(const BarRig&) = delete;
    BarRig& operator=(const BarRig&) = delete;

    // False when the application did not start; nothing else may be used then.
    bool Started() const;
    CBarDlg& Bar();
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
    // The same switch with its phases (teardown, load, release of the held
    // updates) timed apart as the bar names them while it runs them.
    SwitchTime TimeSwitchByPhase(int page);
    // The button windows of the page shown.
    std::vector<HWND> ButtonWindows() const;
    // Time of one clock tick (the timer message, drawn at once).
    double TimeTick();
    IdleFigures Idle(double seconds);

private:
    // The paint after a switch and the messages left, into `t`.
    void FinishSwitch(SwitchTime& t);

    std::unique_ptr<CLauncherApp> m_app;
};

}  // namespace bench
