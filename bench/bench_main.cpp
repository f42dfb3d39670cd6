// Tarvix benchmark: page loads against the bare platform calls, start-up
// against a trivial window, page switch, clock tick, handles and memory
// over many rebuilds, and the idle bar. Prints markdown tables.
//
//   tarvix_bench [--quick] [--switch | --startup]
//     --quick: fewer repetitions, 5 s idle; --switch, --startup: that part alone

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bar/bar_dlg.h"
#include "bench/bar_bench.h"
#include "bench/bench_pages.h"
#include "bench/bench_window.h"
#include "bench/call_bench.h"
#include "bench/floor_bench.h"
#include "bench/paint_floor.h"
#include "bench/round_trip.h"
#include "bench/startup_bench.h"
#include "bench/startup_steps.h"
#include "res/resource.h"

using namespace bench;

namespace {

// Application keys of the stores: the benchmark's, and the program's own,
// which Tarvix.exe uses.
constexpr char kBenchApp[] = "Lumeq Benchmark";
constexpr char kProgramApp[] = "Lumeq";

// Repetitions: page loads of 10, 100, 1,000 buttons; start-ups; switches;
// clock ticks; rebuilds and switches for the footprint; seconds idle;
// icon calls; server calls.
struct Plan {
    int loadReps[3];
    int startReps, switchReps, tickReps, rounds;
    double idleSeconds;
    int callReps, tripRounds;
};
constexpr Plan kFullPlan{{40, 12, 5}, 15, 50, 200, 1000, 60, 200, 10};
constexpr Plan kQuickPlan{{10, 4, 2}, 3, 20, 50, 100, 5, 50, 3};

// What the goals compare, gathered over one run.
struct GoalFigures {
    double trivial = 0, themed = 0, empty = 0, hundred = 0;  // start-up medians, ms
    double perButton100 = 0;   // page load of 100 buttons, ms per button
    double paintFloor100 = 0;  // paint floor of 100 buttons, ms
    double switchRatio = 0;    // switch / its floor, ratio of the medians
    double switchSpread = 0;   // maximum / median of the switches
    double dpiRatio[2] = {};   // page load at 144 DPI / at 96 DPI: 10, 100 buttons
};

std::string ModuleDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir = path;
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

void PrintMachine() {
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    using WineVersion = const char*(__cdecl*)();
    auto wine = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    std::printf("Machine: %lu logical processors; %s\n\n",
                static_cast<unsigned long>(si.dwNumberOfProcessors),
                wine ? (std::string("Wine ") + wine()).c_str() : "Windows");
}

struct StartUps {
    Series trivial, themed, empty, hundred;
};

StartUps TimeStartUps(const Plan& plan, unsigned quietMs) {
    const std::string dir = ModuleDir();
    StartUps s;
    for (int r = 0; r < plan.startReps; ++r) {
        s.trivial.Add(
            TimeStartUp(dir + "trivial_window.exe", "TrivialWindow", nullptr, 0, 0, quietMs));
        s.themed.Add(
            TimeStartUp(dir + "trivial_themed.exe", "TrivialWindow", nullptr, 0, 0, quietMs));
        DeleteStore(kProgramApp);
        s.empty.Add(TimeStartUp(dir + "Tarvix.exe", "#32770", "Tarvix", 0, ID_APP_EXIT, quietMs));
        DeleteStore(kProgramApp);
        SeedPage(kProgramApp, 1, 100);
        s.hundred.Add(
            TimeStartUp(dir + "Tarvix.exe", "#32770", "Tarvix", 100, ID_APP_EXIT, quietMs));
    }
    DeleteStore(kProgramApp);
    return s;
}

void PrintStartUps(const StartUps& s) {
    const double trivial = s.trivial.Median();
    std::printf("| program | median (min..max) | ratio to the trivial window |\n|---|---|---|\n");
    std::printf("| trivial window | %s | 1.00 |\n", Figure(s.trivial, 1).c_str());
    std::printf("| the same with the controls' visual style and a hidden button | %s | %s |\n",
                Figure(s.themed, 1).c_str(), Fixed(s.themed.Median() / trivial, 2).c_str());
    std::printf("| Tarvix, empty store | %s | %s |\n", Figure(s.empty, 1).c_str(),
                Fixed(s.empty.Median() / trivial, 2).c_str());
    std::printf("| Tarvix, 100-button page | %s | %s |\n\n", Figure(s.hundred, 1).c_str(),
                Fixed(s.hundred.Median() / trivial, 2).c_str());
}

// The median of step `name` among `steps`; 0 when it never came.
double StepMedian(const std::vector<StartUpStep>& steps, const std::string& name) {
    for (const StartUpStep& s : steps)
        if (s.name == name) return s.ms.Median();
    return 0;
}

void PrintSteps(const std::vector<StartUpStep>& empty, const std::vector<StartUpStep>& hundred,
                double trivial) {
    std::printf("| step | empty store | 100-button page |\n|---|---|---|\n");
    double sums[2] = {};
    for (const StartUpStep& step : empty) {
        const double ms[2] = {step.ms.Median(), StepMedian(hundred, step.name)};
        sums[0] += ms[0];
        sums[1] += ms[1];
        const bool own = step.name == kUntilMainLap || step.name == kFirstPaintLap;
        std::printf("| %s%s%s | %s | %s |\n", own ? "*" : "", step.name.c_str(), own ? "*" : "",
                    Fixed(ms[0], 2).c_str(), Fixed(ms[1], 2).c_str());
    }
    std::printf("| sum of the steps | %s | %s |\n", Fixed(sums[0], 1).c_str(),
                Fixed(sums[1], 1).c_str());
    std::printf("| the same, less the trivial window | %s | %s |\n\n",
                Fixed(sums[0] - trivial, 1).c_str(), Fixed(sums[1] - trivial, 1).c_str());
}

// The program's start-up steps on the benchmark's store: empty, then with
// a 100-button page.
void RunStartUpSteps(const Plan& plan, double trivial) {
    const std::string self = ModuleDir() + "tarvix_bench.exe";
    DeleteStore(kBenchApp);
    const std::vector<StartUpStep> empty = TimeStartUpSteps(self, kBenchApp, plan.startReps);
    SeedPage(kBenchApp, 1, 100);
    const std::vector<StartUpStep> hundred = TimeStartUpSteps(self, kBenchApp, plan.startReps);
    DeleteStore(kBenchApp);
    std::printf("Start-up step by step: the program started in a fresh process of the benchmark,\n"
                "which times each step the program names as it ends, each start after %u ms of\n"
                "quiet (ms, medians of %d; in italics the benchmark's own marks):\n\n",
                kQuietMs, plan.startReps);
    PrintSteps(empty, hundred, trivial);
}

// Start-ups of whole processes; this process holds no bar meanwhile, as
// a started copy would stop at the single-copy check.
void RunStartUp(const Plan& plan, GoalFigures& goals) {
    StoreGuard guard(StoreRoot(kProgramApp));
    const StartUps rested = TimeStartUps(plan, kQuietMs), packed = TimeStartUps(plan, 0);
    goals.trivial = rested.trivial.Median();
    goals.themed = rested.themed.Median();
    goals.empty = rested.empty.Median();
    goals.hundred = rested.hundred.Median();
    std::printf("### Start-up until the window is fully painted (ms)\n\n"
                "Each start-up after %u ms of quiet:\n\n", kQuietMs);
    PrintStartUps(rested);
    std::printf("The same back to back, each right after the one before:\n\n");
    PrintStartUps(packed);
    RunStartUpSteps(plan, goals.trivial);
}

struct LoadRow {
    int buttons = 0;
    Series tarvix, floor, store, window, icon, imageList, tool, teardown;
};

LoadRow MeasureLoad(BarRig& rig, FloorLoader& floor, int page, int buttons, int reps) {
    LoadRow row;
    row.buttons = buttons;
    rig.Bar().SwitchPage(page);
    floor.Load(page);
    rig.Settle();
    for (int r = 0; r < reps; ++r) {
        row.tarvix.Add(rig.TimeRebuild() / buttons);
        const FloorSplit s = floor.Load(page);
        row.floor.Add(s.Total() / buttons);
        row.store.Add(s.store / buttons);
        row.window.Add(s.window / buttons);
        row.icon.Add(s.icon / buttons);
        row.imageList.Add(s.imageList / buttons);
        row.tool.Add(s.tool / buttons);
        row.teardown.Add(s.teardown / buttons);
        rig.Settle();
    }
    return row;
}

std::string Ratio(const Series& a, const Series& b) {
    return Fixed(a.Median() / b.Median(), 2);
}

void PrintLoads(const LoadRow (&rows)[3]) {
    std::printf("### Page load (Rebuild), ms per button\n\n");
    std::printf("| buttons | Tarvix | floor | Tarvix / floor |\n|---|---|---|---|\n");
    for (const LoadRow& r : rows) {
        std::printf("| %d | %s | %s | **%s** |\n", r.buttons, Figure(r.tarvix).c_str(),
                    Figure(r.floor).c_str(), Ratio(r.tarvix, r.floor).c_str());
    }
    std::printf("\nWhere the floor goes (ms per button, medians):\n\n");
    std::printf("| buttons | store | window | icon (the loader) | button's list | tool | "
                "teardown |\n|---|---|---|---|---|---|---|\n");
    for (const LoadRow& r : rows) {
        std::printf("| %d | %s | %s | %s | %s | %s | %s |\n", r.buttons,
                    Fixed(r.store.Median(), 3).c_str(), Fixed(r.window.Median(), 3).c_str(),
                    Fixed(r.icon.Median(), 3).c_str(), Fixed(r.imageList.Median(), 3).c_str(),
                    Fixed(r.tool.Median(), 3).c_str(), Fixed(r.teardown.Median(), 3).c_str());
    }
    std::printf("\nGrowth, Tarvix per button at 1,000 against 10: %s; the floor's: %s\n\n",
                Ratio(rows[2].tarvix, rows[0].tarvix).c_str(),
                Ratio(rows[2].floor, rows[0].floor).c_str());
}

void PrintFootprint(const char* when, const Footprint& f) {
    std::printf("| %s | %lu | %lu | %ld | %ld | %ld | %ld | %.0f | %.0f |\n", when,
                static_cast<unsigned long>(f.gdi), static_cast<unsigned long>(f.user), f.windows,
                f.lists, f.icons, f.fonts, f.privateKb, f.residentKb);
}

void RunFootprint(BarRig& rig, const Plan& plan) {
    std::printf("### Handles and memory (40-button pages)\n\n");
    std::printf(
        "| after | GDI | USER | own windows | own image lists | own icons | own fonts | "
        "private KB | resident KB |\n|---|---|---|---|---|---|---|---|---|\n");
    rig.Bar().SwitchPage(4);
    rig.Settle();
    PrintFootprint("first load", TakeFootprint());
    for (int i = 1; i <= plan.rounds; ++i) {
        rig.TimeRebuild();
        if (i == 100 || i == plan.rounds)
            PrintFootprint((std::to_string(i) + " rebuilds").c_str(), TakeFootprint());
    }
    for (int i = 1; i <= plan.rounds; ++i) {
        rig.TimeSwitch(i % 2 ? 5 : 4);
        if (i == 100 || i == plan.rounds)
            PrintFootprint((std::to_string(i) + " switches").c_str(), TakeFootprint());
    }
    std::printf("\n");
}

std::string Spread(const Series& s) {
    return Fixed(s.Median(), 1) + " | " + Fixed(s.Percentile(95), 1) + " | " + Fixed(s.Max(), 1);
}

void PrintPaintCount(const char* what, const PaintCount& c) {
    std::printf("| %s | %d | %d | %d | %d | %d | %d |\n", what, c.erase, c.paint, c.frame,
                c.childErase, c.childPaint, c.childFrame);
}

// Switches with their phases, each kept for the slowest.
struct SwitchSeries {
    Series total, teardown, load, release, paint, queue;
    std::vector<SwitchTime> each;
    void Add(const SwitchTime& t) {
        total.Add(t.Total());
        teardown.Add(t.teardown);
        load.Add(t.load);
        release.Add(t.release);
        paint.Add(t.paint);
        queue.Add(t.queue);
        each.push_back(t);
    }
};

// The floors of the same switches, and each switch over its floor.
struct SwitchFloors {
    Series load, paint, total, ratio;
};

// The slowest switches of `s` with their phases.
void PrintSlowest(const SwitchSeries& s, int count) {
    std::vector<size_t> order(s.total.Size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return s.total.At(a) > s.total.At(b); });
    for (int n = 0; n < count && n < static_cast<int>(order.size()); ++n) {
        const SwitchTime& t = s.each[order[n]];
        std::printf("| #%zu | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f |\n", order[n] + 1,
                    t.Total(), t.teardown, t.load, t.release, t.paint, t.queue);
    }
}

void PrintAgainstFloor(const SwitchSeries& s, const SwitchFloors& f) {
    std::printf("### Page switch between two 40-button pages, until painted (ms, %zu switches)\n\n",
                s.total.Size());
    std::printf("| what | median | 95th percentile | maximum |\n|---|---|---|---|\n");
    std::printf("| Tarvix: switch + paint + queue | %s |\n", Spread(s.total).c_str());
    std::printf("| the switch (SwitchPage) | %s |\n", Spread(s.load).c_str());
    std::printf("| the paint | %s |\n", Spread(s.paint).c_str());
    std::printf("| the queue after it | %s |\n", Spread(s.queue).c_str());
    std::printf("| floor: load floor + paint floor | %s |\n", Spread(f.total).c_str());
    std::printf("| load floor | %s |\n", Spread(f.load).c_str());
    std::printf("| paint floor | %s |\n", Spread(f.paint).c_str());
    std::printf("| **Tarvix / floor**, switch by switch | %s |\n\n", Spread(f.ratio).c_str());
    std::printf("Ratio of the medians: **%s**; maximum / median: Tarvix **%s**, floor %s\n\n",
                Ratio(s.total, f.total).c_str(),
                Fixed(s.total.Max() / s.total.Median(), 2).c_str(),
                Fixed(f.total.Max() / f.total.Median(), 2).c_str());
}

void PrintPhases(const SwitchSeries& whole, const SwitchSeries& s, const SwitchFloors& f) {
    std::printf("The same switch by the phases the bar names (ms, %zu switches):\n\n",
                s.total.Size());
    std::printf("| phase | median | 95th percentile | maximum |\n|---|---|---|---|\n");
    std::printf("| whole switch | %s |\n| teardown | %s |\n| load | %s |\n",
                Spread(s.total).c_str(), Spread(s.teardown).c_str(), Spread(s.load).c_str());
    std::printf("| release of the held updates | %s |\n| paint | %s |\n| queue | %s |\n\n",
                Spread(s.release).c_str(), Spread(s.paint).c_str(), Spread(s.queue).c_str());
    std::printf("Slowest switches (ms; the first table's switches have the switch under load):\n\n");
    std::printf("| switch | total | teardown | load | release | paint | queue |\n"
                "|---|---|---|---|---|---|---|\n");
    PrintSlowest(whole, 3);
    PrintSlowest(s, 3);
    std::printf("\nSlowest floors (ms): %.1f %.1f %.1f (load + paint, load, paint)\n\n",
                f.total.Max(), f.load.Max(), f.paint.Max());
}

// Paint messages of one switch and of one paint floor of its page.
void CountPaints(BarRig& rig, PaintFloor& paintFloor) {
    PaintCount bar, bare;
    {
        PaintCounter counter(rig.Bar().Handle());
        rig.TimeSwitch(5);
        bar = counter.Count();
    }
    paintFloor.Paint(rig.Bar().Handle(), rig.ButtonWindows(), &bare);
    std::printf("Paint messages of one switch and of one paint floor:\n\n");
    std::printf("| window | erase | paint | frame | buttons' erase | buttons' paint | "
                "buttons' frame |\n|---|---|---|---|---|---|---|\n");
    PrintPaintCount("the bar, one switch", bar);
    PrintPaintCount("the paint floor", bare);
    std::printf("\n");
}

// Switches between the two 40-button pages, each followed by the floor of
// the same page: the load floor and the paint floor of the same icons.
void RunSwitches(BarRig& rig, const Plan& plan, GoalFigures& goals) {
    const UniqueWindow floorWnd = BenchWindow(WS_POPUP | WS_VISIBLE, 0, 600, 1450, 100);
    FloorLoader floor(floorWnd.Get(), kBenchApp);
    PaintFloor paintFloor;
    SwitchSeries whole, phases;
    SwitchFloors floors;
    rig.Bar().SwitchPage(4);
    floor.Load(5);
    rig.Settle();
    for (int r = 0; r < plan.switchReps; ++r) {
        const int page = r % 2 ? 4 : 5;
        const SwitchTime t = rig.TimeSwitch(page);
        const double p = paintFloor.Paint(rig.Bar().Handle(), rig.ButtonWindows());
        const double l = floor.Load(page).Total();
        rig.Settle();
        whole.Add(t);
        floors.load.Add(l);
        floors.paint.Add(p);
        floors.total.Add(l + p);
        floors.ratio.Add(t.Total() / (l + p));
    }
    for (int r = 0; r < plan.switchReps; ++r) phases.Add(rig.TimeSwitchByPhase(r % 2 ? 4 : 5));
    goals.switchRatio = whole.total.Median() / floors.total.Median();
    goals.switchSpread = whole.total.Max() / whole.total.Median();
    PrintAgainstFloor(whole, floors);
    PrintPhases(whole, phases, floors);
    CountPaints(rig, paintFloor);
}

// The paint floor of the page shown (its buttons as they are), in ms.
double PaintFloorOf(BarRig& rig, int reps) {
    PaintFloor paintFloor;
    Series ms;
    for (int r = 0; r < reps; ++r) {
        ms.Add(paintFloor.Paint(rig.Bar().Handle(), rig.ButtonWindows()));
        rig.Settle();
    }
    return ms.Median();
}

// Page loads at 144 DPI, as on a monitor at 150 %, against the same page at
// 96 DPI, taken turn about so that the machine's load falls on both alike.
void RunScaledLoads(BarRig& rig, const Plan& plan, GoalFigures& goals) {
    std::printf("### Page load at 144 DPI against 96 DPI (Rebuild, ms per button)\n\n");
    std::printf("| buttons | 96 DPI | 144 DPI | 144 / 96 |\n|---|---|---|---|\n");
    const int sizes[] = {10, 100};
    for (int p = 0; p < 2; ++p) {
        rig.Bar().SwitchPage(p + 1);
        Series at96, at144;
        for (int r = 0; r < plan.loadReps[p]; ++r) {
            rig.SetDpi(144);
            at144.Add(rig.TimeRebuild() / sizes[p]);
            rig.SetDpi(96);
            at96.Add(rig.TimeRebuild() / sizes[p]);
        }
        goals.dpiRatio[p] = at144.Median() / at96.Median();
        std::printf("| %d | %s | %s | **%s** |\n", sizes[p], Figure(at96).c_str(),
                    Figure(at144).c_str(), Fixed(goals.dpiRatio[p], 2).c_str());
    }
    std::printf("\n");
}

const char* Met(bool met) {
    return met ? "met" : "**not met**";
}

void PrintGoals(const GoalFigures& g) {
    const double budget = g.trivial + 100 * g.perButton100 + g.paintFloor100;
    std::printf("### Against the goals\n\n| goal | this run | |\n|---|---|---|\n");
    std::printf("| switch painted <= 1.1 x (load floor + paint floor), medians | %s | %s |\n",
                Fixed(g.switchRatio, 2).c_str(), Met(g.switchRatio <= 1.1));
    std::printf("| maximum of the switches <= 3 x their median | %s | %s |\n",
                Fixed(g.switchSpread, 2).c_str(), Met(g.switchSpread <= 3));
    std::printf("| start-up, empty store <= 1.2 x the trivial window | %s | %s |\n",
                Fixed(g.empty / g.trivial, 2).c_str(), Met(g.empty <= 1.2 * g.trivial));
    std::printf("| the same against the trivial window with the controls' visual style | %s | %s |\n",
                Fixed(g.empty / g.themed, 2).c_str(), Met(g.empty <= 1.2 * g.themed));
    std::printf("| start-up, 100 buttons <= trivial window + 100 x the load per button + "
                "paint floor of 100 buttons | %s ms against %s + 100 x %s + %s = %s ms | %s |\n",
                Fixed(g.hundred, 1).c_str(), Fixed(g.trivial, 1).c_str(),
                Fixed(g.perButton100, 3).c_str(), Fixed(g.paintFloor100, 1).c_str(),
                Fixed(budget, 1).c_str(), Met(g.hundred <= budget));
    std::printf("| page load at 144 DPI <= 1.1 x at 96 DPI, 10 and 100 buttons | %s, %s | %s |\n\n",
                Fixed(g.dpiRatio[0], 2).c_str(), Fixed(g.dpiRatio[1], 2).c_str(),
                Met(g.dpiRatio[0] <= 1.1 && g.dpiRatio[1] <= 1.1));
}

// False, with a line in the tables, when the bar did not start.
bool NoteStarted(const BarRig& rig) {
    if (!rig.Started())
        std::printf("The bar did not start: a window titled Tarvix exists already.\n\n");
    return rig.Started();
}

void RunBar(const Plan& plan, GoalFigures& goals) {
    SeedPageState(kBenchApp, 1, 5);
    const int sizes[] = {10, 100, 1000};
    for (int p = 0; p < 3; ++p) SeedPage(kBenchApp, p + 1, sizes[p]);
    SeedPage(kBenchApp, 4, 40);
    SeedPage(kBenchApp, 5, 40);
    BarRig rig(kBenchApp);
    if (!NoteStarted(rig)) return;
    {
        const UniqueWindow floorWnd = BenchWindow(WS_POPUP | WS_VISIBLE, 0, 0, 1450, 900);
        FloorLoader floor(floorWnd.Get(), kBenchApp);
        LoadRow rows[3];
        for (int p = 0; p < 3; ++p)
            rows[p] = MeasureLoad(rig, floor, p + 1, sizes[p], plan.loadReps[p]);
        PrintLoads(rows);
        goals.perButton100 = rows[1].tarvix.Median();
    }
    rig.Bar().SwitchPage(2);
    rig.Settle();
    goals.paintFloor100 = PaintFloorOf(rig, plan.loadReps[1]);
    std::printf("Paint floor of the 100-button page: %s ms\n\n",
                Fixed(goals.paintFloor100, 1).c_str());
    RunScaledLoads(rig, plan, goals);

    RunSwitches(rig, plan, goals);
    Series ticks;
    for (int r = 0; r < plan.tickReps; ++r) ticks.Add(rig.TimeTick());
    std::printf("### Clock\n\n| what | ms, median (min..max) |\n|---|---|\n");
    std::printf("| one clock tick | %s |\n\n", Figure(ticks, 3).c_str());

    RunFootprint(rig, plan);
    const IdleFigures idle = rig.Idle(plan.idleSeconds);
    std::printf(
        "### Idle bar\n\n%.0f s idle: CPU %.3f s; %d wake-ups, %d timer messages, %d "
        "other messages\n\n",
        idle.seconds, idle.cpuSeconds, idle.wakeUps, idle.timerMessages, idle.otherMessages);
}

void RunCalls(const Plan& plan) {
    std::printf("### Icon calls and their alternatives (microseconds per call)\n\n");
    std::printf("| call | median (min..max) |\n|---|---|\n");
    for (const CallFigure& c : TimeIconCalls(plan.callReps))
        std::printf("| %s | %s |\n", c.call.c_str(), Figure(c.microseconds, 0).c_str());
    std::printf("\n");
}

void RunRoundTrips(const Plan& plan) {
    const RoundTrips trips = TimeRoundTrips(plan.tripRounds);
    std::printf("### A call to the server, rested and busy (microseconds per call)\n\n");
    std::printf("| after | median (min..max) |\n|---|---|\n");
    std::printf("| 300 ms asleep | %s |\n", Figure(trips.rested, 1).c_str());
    std::printf("| 600 ms of computing | %s |\n\n", Figure(trips.busy, 1).c_str());
}

// Only the page switch, for working on it.
void RunSwitchesAlone(const Plan& plan) {
    SeedPage(kBenchApp, 4, 40);
    SeedPage(kBenchApp, 5, 40);
    SeedPageState(kBenchApp, 4, 5);
    BarRig rig(kBenchApp);
    if (!NoteStarted(rig)) return;
    GoalFigures goals;
    RunSwitches(rig, plan, goals);
}

}  // namespace

int main(int argc, char** argv) {
    Plan plan = kFullPlan;
    bool switchOnly = false, startOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) plan = kQuickPlan;
        if (std::strcmp(argv[i], "--switch") == 0) switchOnly = true;
        if (std::strcmp(argv[i], "--startup") == 0) startOnly = true;
    }
    if (argc > 4 && std::strcmp(argv[1], "--startup-steps") == 0)
        return RunStartUpSteps(argv[2], std::atof(argv[3]), argv[4]);
    PrintMachine();
    if (switchOnly) {
        DeleteStore(kBenchApp);
        RunSwitchesAlone(plan);
        DeleteStore(kBenchApp);
        return 0;
    }
    GoalFigures goals;
    RunStartUp(plan, goals);
    if (startOnly) return 0;
    DeleteStore(kBenchApp);
    RunBar(plan, goals);
    DeleteStore(kBenchApp);
    RunCalls(plan);
    RunRoundTrips(plan);
    PrintGoals(goals);
    std::fflush(stdout);
    return 0;
}

