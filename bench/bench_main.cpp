// Tarvix benchmark: page loads against the bare platform calls, start-up
// against a trivial window, page switch, clock tick, handles and memory
// over many rebuilds, and the idle bar. Prints markdown tables.
//
//   tarvix_bench [--quick]    --quick: fewer repetitions, 5 s idle

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bar/bar_dlg.h"
#include "bench/bar_bench.h"
#include "bench/bench_pages.h"
#include "bench/call_bench.h"
#include "bench/floor_bench.h"
#include "bench/startup_bench.h"

using namespace bench;

namespace {

constexpr char kBenchRoot[] = "Software\\Quenlow\\Lumeq Benchmark";
constexpr char kProgramRoot[] = "Software\\Quenlow\\Lumeq";
constexpr unsigned kExitCommand = 57665;

struct Plan {
    int loadReps[3] = {40, 12, 5};
    int startReps = 7;
    int switchReps = 30;
    int tickReps = 200;
    int rounds = 1000;
    double idleSeconds = 60;
    int callReps = 200;
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

void RunStartUp(const Plan& plan) {
    const std::string dir = ModuleDir();
    Series trivial, empty, hundred;
    StoreGuard guard(kProgramRoot);
    for (int r = 0; r < plan.startReps; ++r) {
        trivial.Add(TimeStartUp(dir + "trivial_window.exe", "TrivialWindow", nullptr, 0, 0));
        DeleteTree(kProgramRoot);
        empty.Add(TimeStartUp(dir + "Tarvix.exe", "#32770", "Tarvix", 0, kExitCommand));
        DeleteTree(kProgramRoot);
        SeedPage(kProgramRoot, 1, 100);
        hundred.Add(TimeStartUp(dir + "Tarvix.exe", "#32770", "Tarvix", 100, kExitCommand));
    }
    DeleteTree(kProgramRoot);
    std::printf("### Start-up until the window is fully painted (ms)\n\n");
    std::printf("| program | median (min..max) | ratio to the trivial window |\n|---|---|---|\n");
    std::printf("| trivial window | %s | 1.00 |\n", Figure(trivial, 1).c_str());
    std::printf("| Tarvix, empty store | %s | %s |\n", Figure(empty, 1).c_str(),
                Fixed(empty.Median() / trivial.Median(), 2).c_str());
    std::printf("| Tarvix, 100-button page | %s | %s |\n\n", Figure(hundred, 1).c_str(),
                Fixed(hundred.Median() / trivial.Median(), 2).c_str());
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

void RunBar(const Plan& plan) {
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
    }
    DestroyWindow(floorWnd);

    Series switches, ticks;
    for (int r = 0; r < plan.switchReps; ++r) switches.Add(rig.TimeSwitch(r % 2 ? 4 : 5));
    for (int r = 0; r < plan.tickReps; ++r) ticks.Add(rig.TimeTick());
    std::printf("### Page switch and clock\n\n| what | ms, median (min..max) |\n|---|---|\n");
    std::printf("| switch between two 40-button pages, painted | %s |\n",
                Figure(switches, 2).c_str());
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

}  // namespace

int main(int argc, char** argv) {
    Plan plan;
    if (argc > 1 && std::strcmp(argv[1], "--quick") == 0) {
        plan = Plan{{10, 4, 2}, 3, 10, 50, 100, 5, 50};
    }
    PrintMachine();
    RunStartUp(plan);
    DeleteTree(kBenchRoot);
    RunBar(plan);
    DeleteTree(kBenchRoot);
    RunCalls(plan);
    std::fflush(stdout);
    return 0;
}
