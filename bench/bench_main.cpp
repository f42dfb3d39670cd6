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
#include "bench/call_bench.h"
#include "bench/floor_bench.h"
#include "bench/paint_floor.h"
#include "bench/round_trip.h"
#include "bench/startup_bench.h"
#include "bench/startup_steps.h"

using namespace bench;

namespace {

constexpr char kBenchRoot[] = "Software\\Quenlow\\Lumeq Benchmark";
constexpr char kProgramRoot[] = "Software\\Quenlow\\Lumeq";
constexpr unsigned kExitCommand = 57665;

struct Plan {
    int loadReps[3] = {40, 12, 5};
    int startReps = 15;
    int switchReps = 50;
    int tickReps = 200;
    int rounds = 1000;
    double idleSeconds = 60;
    int callReps = 200;
    int tripRounds = 10;
};

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
        DeleteTree(kProgramRoot);
        s.empty.Add(TimeStartUp(dir + "Tarvix.exe", "#32770", "Tarvix", 0, kExitCommand, quietMs));
        DeleteTree(kProgramRoot);
        SeedPage(kProgramRoot, 1, 100);
        s.hundred.Add(
            TimeStartUp(dir + "Tarvix.exe", "#32770", "Tarvix", 100, kExitCommand, quietMs));
    }
    DeleteTree(kProgramRoot);
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

void RunStartUp(const Plan& plan, GoalFigures& goals) {
    StoreGuard guard(kProgramRoot);
    const StartUps rested = TimeStartUps(plan, kQuietMs), packed = TimeStartUps(plan, 0);
    const std::string self = ModuleDir() + "tarvix_bench.exe";
    const std::vector<StartUpStep> emptySteps = TimeStartUpSteps(self, kProgramRoot, plan.startReps);
    SeedPage(kProgramRoot, 1, 100);
    const std::vector<StartUpStep> hundredSteps =
        TimeStartUpSteps(self, kProgramRoot, plan.startReps);
    DeleteTree(kProgramRoot);
    const Series& trivial = rested.trivial;
    goals.trivial = trivial.Median();
    goals.themed = rested.themed.Median();
    goals.empty = rested.empty.Median();
    goals.hundred = rested.hundred.Median();
    std::printf("### Start-up until the window is fully painted (ms)\n\n"
                "Each start-up after %u ms of quiet:\n\n", kQuietMs);
    PrintStartUps(rested);
    std::printf("The same back to back, each right after the one before:\n\n");
    PrintStartUps(packed);
    std::printf("Start-up step by step: the program's steps run one after the other in a fresh\n"
                "process of the benchmark, each after %u ms of quiet (ms, medians of %d):\n\n",
                kQuietMs, plan.startReps);
    std::printf("| step | empty store | 100-button page |\n|---|---|---|\n");
    double sums[2] = {};
    for (size_t i = 0; i < emptySteps.size(); ++i) {
        sums[0] += emptySteps[i].ms.Median();
        sums[1] += hundredSteps[i].ms.Median();
        std::printf("| %s | %s | %s |\n", emptySteps[i].name,
                    Fixed(emptySteps[i].ms.Median(), 2).c_str(),
                    Fixed(hundredSteps[i].ms.Median(), 2).c_str());
    }
    std::printf("| sum of the steps | %s | %s |\n", Fixed(sums[0], 1).c_str(),
                Fixed(sums[1], 1).c_str());
    std::printf("| the same, less the trivial window | %s | %s |\n\n",
                Fixed(sums[0] - trivial.Median(), 1).c_str(),
                Fixed(sums[1] - trivial.Median(), 1).c_str());
}

struct LoadRow {
    int buttons = 0;
    Series tarvix, floor, same, store, window, extraction, loaderList, imageList, tool, teardown;
};

LoadRow MeasureLoad(BarRig& rig, FloorLoader& floor, FloorLoader& same, int page, int buttons,
                    int reps) {
    LoadRow row;
    row.buttons = buttons;
    rig.Bar().SwitchPage(page);
    floor.Load(page);
    same.Load(page);
    rig.Settle();
    for (int r = 0; r < reps; ++r) {
        row.tarvix.Add(rig.TimeRebuild() / buttons);
        row.floor.Add(floor.Load(page).Total() / buttons);
        const FloorSplit s = same.Load(page);
        row.same.Add(s.Total() / buttons);
        row.store.Add(s.store / buttons);
        row.window.Add(s.window / buttons);
        row.extraction.Add(s.extraction / buttons);
        row.loaderList.Add(s.loaderList / buttons);
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
    std::printf(
        "| buttons | Tarvix | floor | Tarvix / floor | floor, same pixels | "
        "Tarvix / that |\n|---|---|---|---|---|---|\n");
    for (const LoadRow& r : rows) {
        std::printf("| %d | %s | %s | **%s** | %s | **%s** |\n", r.buttons,
                    Figure(r.tarvix).c_str(), Figure(r.floor).c_str(),
                    Ratio(r.tarvix, r.floor).c_str(), Figure(r.same).c_str(),
                    Ratio(r.tarvix, r.same).c_str());
    }
    std::printf("\nWhere the floor for the same pixels goes (ms per button, medians):\n\n");
    std::printf(
        "| buttons | store | window | extraction | 16/32 list | button's list | tool | "
        "teardown |\n|---|---|---|---|---|---|---|---|\n");
    for (const LoadRow& r : rows) {
        std::printf("| %d | %s | %s | %s | %s | %s | %s | %s |\n", r.buttons,
                    Fixed(r.store.Median(), 3).c_str(), Fixed(r.window.Median(), 3).c_str(),
                    Fixed(r.extraction.Median(), 3).c_str(),
                    Fixed(r.loaderList.Median(), 3).c_str(), Fixed(r.imageList.Median(), 3).c_str(),
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

// The slowest samples of `total` with their phases.
void PrintSlowest(const Series& total, const std::vector<SwitchTime>& phases, int count) {
    std::vector<size_t> order(total.Size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return total.At(a) > total.At(b); });
    for (int n = 0; n < count && n < static_cast<int>(order.size()); ++n) {
        const SwitchTime& t = phases[order[n]];
        std::printf("| #%zu | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f |\n", order[n] + 1,
                    t.Total(), t.teardown, t.load, t.release, t.paint, t.queue);
    }
}

// Switches between the two 40-button pages, each followed by the floor of
// the same page: the bare load and the bare paint of the same icons.
void RunSwitches(BarRig& rig, const Plan& plan, GoalFigures& goals) {
    HWND floorWnd = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 600,
                                    1450, 100, nullptr, nullptr, nullptr, nullptr);
    FloorLoader floor(floorWnd, kBenchRoot, true);
    PaintFloor paintFloor;
    Series tarvix, call, paint, queue, floorLoad, floorPaint, floorTotal, ratio;
    std::vector<SwitchTime> split;
    rig.Bar().SwitchPage(4);
    floor.Load(5);
    rig.Settle();
    for (int r = 0; r < plan.switchReps; ++r) {
        const int page = r % 2 ? 4 : 5;
        const SwitchTime t = rig.TimeSwitch(page);
        const double p = paintFloor.Paint(rig.Bar().Handle(), rig.ButtonWindows());
        const double l = floor.Load(page).Total();
        rig.Settle();
        tarvix.Add(t.Total());
        call.Add(t.load);
        paint.Add(t.paint);
        queue.Add(t.queue);
        floorLoad.Add(l);
        floorPaint.Add(p);
        floorTotal.Add(l + p);
        ratio.Add(t.Total() / (l + p));
        split.push_back(t);
    }
    Series byPhase, teardown, load, release, phasePaint, phaseQueue;
    std::vector<SwitchTime> phases;
    for (int r = 0; r < plan.switchReps; ++r) {
        const SwitchTime t = rig.TimeSwitchByPhase(r % 2 ? 4 : 5);
        byPhase.Add(t.Total());
        teardown.Add(t.teardown);
        load.Add(t.load);
        release.Add(t.release);
        phasePaint.Add(t.paint);
        phaseQueue.Add(t.queue);
        phases.push_back(t);
    }
    PaintCount bar, bare;
    {
        PaintCounter counter(rig.Bar().Handle());
        rig.TimeSwitch(5);
        bar = counter.Count();
    }
    paintFloor.Paint(rig.Bar().Handle(), rig.ButtonWindows(), &bare);
    DestroyWindow(floorWnd);
    goals.switchRatio = tarvix.Median() / floorTotal.Median();
    goals.switchSpread = tarvix.Max() / tarvix.Median();

    std::printf("### Page switch between two 40-button pages, until painted (ms, %zu switches)\n\n",
                tarvix.Size());
    std::printf("| what | median | 95th percentile | maximum |\n|---|---|---|---|\n");
    std::printf("| Tarvix: switch + paint + queue | %s |\n", Spread(tarvix).c_str());
    std::printf("| the switch (SwitchPage) | %s |\n", Spread(call).c_str());
    std::printf("| the paint | %s |\n", Spread(paint).c_str());
    std::printf("| the queue after it | %s |\n", Spread(queue).c_str());
    std::printf("| floor: load floor + paint floor | %s |\n", Spread(floorTotal).c_str());
    std::printf("| load floor (same pixels) | %s |\n", Spread(floorLoad).c_str());
    std::printf("| paint floor | %s |\n", Spread(floorPaint).c_str());
    std::printf("| **Tarvix / floor**, switch by switch | %s |\n\n", Spread(ratio).c_str());
    std::printf("Ratio of the medians: **%s**; maximum / median: Tarvix **%s**, floor %s\n\n",
                Ratio(tarvix, floorTotal).c_str(), Fixed(tarvix.Max() / tarvix.Median(), 2).c_str(),
                Fixed(floorTotal.Max() / floorTotal.Median(), 2).c_str());
    std::printf("The same switch step by step (ms, %zu switches):\n\n", byPhase.Size());
    std::printf("| phase | median | 95th percentile | maximum |\n|---|---|---|---|\n");
    std::printf("| whole switch | %s |\n| teardown | %s |\n| load | %s |\n", Spread(byPhase).c_str(),
                Spread(teardown).c_str(), Spread(load).c_str());
    std::printf("| release of the held updates | %s |\n| paint | %s |\n| queue | %s |\n\n",
                Spread(release).c_str(), Spread(phasePaint).c_str(), Spread(phaseQueue).c_str());
    std::printf("Slowest switches (ms; the first table's switches have the switch under load):\n\n");
    std::printf("| switch | total | teardown | load | release | paint | queue |\n"
                "|---|---|---|---|---|---|---|\n");
    PrintSlowest(tarvix, split, 3);
    PrintSlowest(byPhase, phases, 3);
    std::printf("\nSlowest floors (ms): ");
    for (double v : {floorTotal.Max(), floorLoad.Max(), floorPaint.Max()})
        std::printf("%.1f ", v);
    std::printf("(load + paint, load, paint)\n\n");
    std::printf("Paint messages of one switch and of one paint floor:\n\n");
    std::printf("| window | erase | paint | frame | buttons' erase | buttons' paint | "
                "buttons' frame |\n|---|---|---|---|---|---|---|\n");
    PrintPaintCount("the bar, one switch", bar);
    PrintPaintCount("the paint floor", bare);
    std::printf("\n");
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

void RunBar(const Plan& plan, GoalFigures& goals) {
    SeedSetting(kBenchRoot, "Page", std::string("1,5"));
    const int sizes[] = {10, 100, 1000};
    for (int p = 0; p < 3; ++p) SeedPage(kBenchRoot, p + 1, sizes[p]);
    SeedPage(kBenchRoot, 4, 40);
    SeedPage(kBenchRoot, 5, 40);
    BarRig rig(kBenchRoot);
    HWND floorWnd = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                    1450, 900, nullptr, nullptr, nullptr, nullptr);
    {
        FloorLoader floor(floorWnd, kBenchRoot, false), same(floorWnd, kBenchRoot, true);
        LoadRow rows[3];
        for (int p = 0; p < 3; ++p)
            rows[p] = MeasureLoad(rig, floor, same, p + 1, sizes[p], plan.loadReps[p]);
        PrintLoads(rows);
        goals.perButton100 = rows[1].tarvix.Median();
    }
    DestroyWindow(floorWnd);
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
    SeedPage(kBenchRoot, 4, 40);
    SeedPage(kBenchRoot, 5, 40);
    SeedSetting(kBenchRoot, "Page", std::string("4,5"));
    BarRig rig(kBenchRoot);
    GoalFigures goals;
    RunSwitches(rig, plan, goals);
}

}  // namespace

int main(int argc, char** argv) {
    Plan plan;
    bool switchOnly = false, startOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) plan = Plan{{10, 4, 2}, 3, 20, 50, 100, 5, 50, 3};
        if (std::strcmp(argv[i], "--switch") == 0) switchOnly = true;
        if (std::strcmp(argv[i], "--startup") == 0) startOnly = true;
    }
    if (argc > 4 && std::strcmp(argv[1], "--startup-steps") == 0)
        return RunStartUpSteps(argv[2], std::atof(argv[3]), argv[4]);
    PrintMachine();
    if (switchOnly) {
        DeleteTree(kBenchRoot);
        RunSwitchesAlone(plan);
        DeleteTree(kBenchRoot);
        return 0;
    }
    GoalFigures goals;
    RunStartUp(plan, goals);
    if (startOnly) return 0;
    DeleteTree(kBenchRoot);
    RunBar(plan, goals);
    DeleteTree(kBenchRoot);
    RunCalls(plan);
    RunRoundTrips(plan);
    PrintGoals(goals);
    std::fflush(stdout);
    return 0;
}

