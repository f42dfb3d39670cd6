// Checks an unpacked release package under Wine: its Tarvix.exe starts and
// shows the bar, and the bar's help command hands the guide beside it to
// the shell (".html" opens with the launch probe meanwhile), also from a
// folder whose name code page 932 cannot hold; and a help viewer planted
// beside the program is never started in the system's stead.
//   package_check.exe <folder of the package> <launch_probe.exe>
// Prints what failed and exits with 1, or exits with 0.

#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/probe_support.h"
#include "win/ansi_file_name.h"
#include "win/handles.h"

namespace {

constexpr DWORD kWaitMs = 20000;
constexpr UINT kHelpCommand = 104, kExitCommand = 57665;

// The visible bar of the given process (its hidden host has the same title).
HWND BarOf(DWORD process) {
    HWND bar = FindWindowA("#32770", "Tarvix");
    DWORD owner = 0;
    if (bar) GetWindowThreadProcessId(bar, &owner);
    return owner == process && IsWindowVisible(bar) ? bar : nullptr;
}

// The Tarvix.exe of `folder` (with its trailing backslash), ended by
// whoever holds it last.
class Program {
public:
    explicit Program(const std::wstring& folder) {
        std::wstring exe = folder + L"Tarvix.exe";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(exe.c_str(), exe.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &si, &pi))
            return;
        m_process.Reset(pi.hProcess);
        UniqueKernelHandle thread(pi.hThread);
        for (DWORD start = GetTickCount(); !m_bar && GetTickCount() - start < kWaitMs; Sleep(50))
            m_bar = BarOf(pi.dwProcessId);
    }
    ~Program() {
        if (m_process) TerminateProcess(m_process.Get(), 1);
    }
    HWND Bar() const { return m_bar; }
    bool Exit() {
        PostMessageA(m_bar, WM_COMMAND, kExitCommand, 0);
        if (WaitForSingleObject(m_process.Get(), kWaitMs) != WAIT_OBJECT_0) return false;
        m_process.Reset();
        return true;
    }

private:
    UniqueKernelHandle m_process;
    HWND m_bar = nullptr;
};

// The help command of the program in `folder` hands its guide to the shell.
std::string CheckGuide(const std::wstring& folder, const std::string& probe) {
    wt::ProbeLog log;
    wt::DocumentType html(".html", probe);
    Program program(folder);
    if (!program.Bar()) return "no bar titled \"Tarvix\" appeared";
    PostMessageA(program.Bar(), WM_COMMAND, kHelpCommand, 0);
    auto runs = log.Wait(1, kWaitMs, nullptr);
    if (runs.empty()) return "the help command opened nothing";
    const std::string guide = AnsiOf(folder + L"Tarvix.html").bytes;
    if (wt::ArgumentsOf(runs[0]["cmdline"]) != "\"" + guide + "\" ")
        return "the shell was given " + runs[0]["cmdline"];
    return program.Exit() ? "" : "Tarvix did not end on its exit command";
}

// With a help file beside the program, the system's viewer opens it, and a
// program named like the viewer lying there is never started.
std::string CheckPlantedViewer(const std::wstring& folder, const std::string& probe) {
    const std::wstring planted = folder + L"winhlp32.exe", help = folder + L"Tarvix.HLP";
    if (!CopyFileW(WideOf(probe).c_str(), planted.c_str(), FALSE)) return "no viewer planted";
    CloseHandle(CreateFileW(help.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    wt::ProbeLog log;
    std::string failure;
    {
        Program program(folder);
        if (!program.Bar()) return "no bar titled \"Tarvix\" appeared";
        PostMessageA(program.Bar(), WM_COMMAND, kHelpCommand, 0);
        HWND viewer = nullptr;
        for (DWORD start = GetTickCount(); !viewer && GetTickCount() - start < kWaitMs; Sleep(50))
            viewer = FindWindowA("MS_WINHELP", nullptr);
        if (!viewer) failure = "the system's help viewer did not start";
        DWORD pid = 0;
        if (viewer) GetWindowThreadProcessId(viewer, &pid);
        if (UniqueKernelHandle process{OpenProcess(PROCESS_TERMINATE, FALSE, pid)})
            TerminateProcess(process.Get(), 0);
    }
    for (auto& run : log.Read())
        if (run["module"].find("winhlp32") != std::string::npos)
            failure = "the viewer beside the program was started";
    DeleteFileW(planted.c_str());
    DeleteFileW(help.c_str());
    return failure;
}

// A copy of the program and its guide in a folder of `folder` whose name
// code page 932 cannot hold.
std::wstring UnencodableCopy(const std::wstring& folder) {
    const std::wstring copy = folder + L"ガイド \U0001F600\\";
    CreateDirectoryW(copy.c_str(), nullptr);
    for (const wchar_t* file : {L"Tarvix.exe", L"Tarvix.html"})
        if (!CopyFileW((folder + file).c_str(), (copy + file).c_str(), FALSE)) return {};
    return copy;
}

int Fail(const std::string& what) {
    std::printf("package check: %s\n", what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: package_check <package folder> <launch_probe.exe>");
    const std::wstring folder = WideOf(argv[1]) + L"\\";
    const std::string probe = argv[2];
    if (std::string failure = CheckGuide(folder, probe); !failure.empty()) return Fail(failure);
    if (std::string failure = CheckPlantedViewer(folder, probe); !failure.empty())
        return Fail(failure);
    const std::wstring copy = UnencodableCopy(folder);
    if (copy.empty()) return Fail("no copy in a folder of an unencodable name");
    if (std::string failure = CheckGuide(copy, probe); !failure.empty())
        return Fail("from a folder of an unencodable name: " + failure);
    std::printf("package check: the bar showed, its help opened the guide and the system's viewer\n");
    return 0;
}
