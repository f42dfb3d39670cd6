// Checks an unpacked release package under Wine: its Tarvix.exe starts and
// shows the bar, and the bar's help command hands the guide beside it to
// the shell (".html" opens with the launch probe meanwhile).
//   package_check.exe <folder of the package> <launch_probe.exe>
// Prints what failed and exits with 1, or exits with 0.

#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/probe_support.h"

namespace {

constexpr DWORD kWaitMs = 20000;

// The visible bar of the given process (its hidden host has the same title).
HWND BarOf(DWORD process) {
    HWND bar = FindWindowA("#32770", "Tarvix");
    DWORD owner = 0;
    if (bar) GetWindowThreadProcessId(bar, &owner);
    return owner == process && IsWindowVisible(bar) ? bar : nullptr;
}

int Fail(const std::string& what, HANDLE process) {
    std::printf("package check: %s\n", what.c_str());
    if (process) TerminateProcess(process, 1);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: package_check <package folder> <launch_probe.exe>", nullptr);
    const std::string folder = std::string(argv[1]) + "\\";
    const std::string guide = folder + "Tarvix.html";
    wt::ProbeLog log;
    wt::DocumentType html(".html", argv[2]);

    std::string exe = folder + "Tarvix.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(exe.c_str(), exe.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &pi))
        return Fail("Tarvix.exe did not start", nullptr);
    HWND bar = nullptr;
    for (DWORD start = GetTickCount(); !bar && GetTickCount() - start < kWaitMs; Sleep(50))
        bar = BarOf(pi.dwProcessId);
    if (!bar) return Fail("no bar titled \"Tarvix\" appeared", pi.hProcess);

    PostMessageA(bar, WM_COMMAND, 104, 0);
    auto runs = log.Wait(1, kWaitMs, nullptr);
    if (runs.empty()) return Fail("the help command opened nothing", pi.hProcess);
    if (wt::ArgumentsOf(runs[0]["cmdline"]) != "\"" + guide + "\" ")
        return Fail("the shell was given " + runs[0]["cmdline"], pi.hProcess);

    PostMessageA(bar, WM_COMMAND, 57665, 0);  // exit
    if (WaitForSingleObject(pi.hProcess, kWaitMs) != WAIT_OBJECT_0)
        return Fail("Tarvix did not end on its exit command", pi.hProcess);
    std::printf("package check: the bar showed and its help opened %s\n", guide.c_str());
    return 0;
}
