// Checks an unpacked release package under Wine: its Tarvix.exe starts and
// shows the bar, and the bar's help command hands the guide beside it to
// the shell. Documents ".html" open with the launch probe meanwhile, which
// records what it was given.
//   package_check.exe <folder of the package> <launch_probe.exe>
// Prints what failed and exits with 1, or exits with 0.

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr const char* kClass = "TarvixPackageCheckDocument";
constexpr DWORD kWaitMs = 20000;

// .html opens with the probe while it lives; the former class comes back.
class HtmlWithProbe {
public:
    explicit HtmlWithProbe(const std::string& probe) {
        char former[MAX_PATH] = "";
        LONG size = sizeof former;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, ".html", former, &size) == ERROR_SUCCESS)
            m_former = former;
        RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, kClass, 0);
        const std::string command = "\"" + probe + "\" \"%1\"";
        RegSetValueA(HKEY_CLASSES_ROOT, (std::string(kClass) + "\\shell\\open\\command").c_str(),
                     REG_SZ, command.c_str(), 0);
    }
    ~HtmlWithProbe() {
        if (m_former.empty())
            RegDeleteTreeA(HKEY_CLASSES_ROOT, ".html");
        else
            RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, m_former.c_str(), 0);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kClass);
    }

private:
    std::string m_former;
};

template <typename Found>
bool WaitFor(Found found) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(50))
        if (found()) return true;
    return false;
}

// The visible bar of the given process (its hidden host has the same title).
HWND BarOf(DWORD process) {
    HWND bar = FindWindowA("#32770", "Tarvix");
    DWORD owner = 0;
    if (bar) GetWindowThreadProcessId(bar, &owner);
    return owner == process && IsWindowVisible(bar) ? bar : nullptr;
}

// The command line the probe recorded, once it has.
std::string RecordedCommandLine(const std::string& log) {
    std::ifstream in(log, std::ios::binary);
    std::string line, commandLine;
    while (std::getline(in, line)) {
        if (line.rfind("cmdline=", 0) == 0) commandLine = line.substr(8);
        if (line == "end") return commandLine;
    }
    return {};
}

int Fail(const char* what, PROCESS_INFORMATION& pi) {
    std::printf("package check: %s\n", what);
    if (pi.hProcess) TerminateProcess(pi.hProcess, 1);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: package_check <package folder> <launch_probe.exe>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "\\";
    const std::string guide = folder + "Tarvix.html";
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string log = std::string(temp) + "tarvix-package-check.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("TARVIX_PROBE_LOG", log.c_str());
    HtmlWithProbe html(argv[2]);

    std::string exe = folder + "Tarvix.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(exe.c_str(), exe.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &pi))
        return Fail("Tarvix.exe did not start", pi);
    HWND bar = nullptr;
    if (!WaitFor([&] { return (bar = BarOf(pi.dwProcessId)) != nullptr; }))
        return Fail("no bar titled \"Tarvix\" appeared", pi);

    PostMessageA(bar, WM_COMMAND, 104, 0);
    std::string commandLine;
    if (!WaitFor([&] { return !(commandLine = RecordedCommandLine(log)).empty(); }))
        return Fail("the help command opened nothing", pi);
    const std::string expected = "\"" + guide + "\"";
    if (commandLine.size() < expected.size() ||
        commandLine.compare(commandLine.size() - expected.size(), expected.size(), expected)) {
        std::printf("package check: the shell was given %s, not %s\n", commandLine.c_str(),
                    guide.c_str());
        return Fail("the help command opened something else", pi);
    }

    PostMessageA(bar, WM_COMMAND, 57665, 0);  // exit
    if (WaitForSingleObject(pi.hProcess, kWaitMs) != WAIT_OBJECT_0)
        return Fail("Tarvix did not end on its exit command", pi);
    DeleteFileA(log.c_str());
    std::printf("package check: the bar showed and its help opened %s\n", guide.c_str());
    return 0;
}
