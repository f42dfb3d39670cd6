#pragma once
// What starting a button's target means, decided without the platform: the
// call to make and everything handed to it. CAppStart carries it out.

#include <optional>
#include <string>
#include <string_view>
#include "res/texts.h"

// Show commands of the platform (SW_SHOW, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED).
constexpr int kShowNormal = 5;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;

struct LaunchTarget {
    std::string fullPath;
    std::string dir;
    std::string parm;
    int showMode = 0;  // 0 normal window, 1 minimised, 2 maximised
};

enum class TargetKind { Program, ControlPanel, Document };

struct LaunchAction {
    enum class Call { ShellExecute, WinExec };
    Call call = Call::ShellExecute;
    // ShellExecuteA: the file, its parameters (nullopt: none at all, as
    // opposed to an empty text), the working directory and show command.
    std::string file;
    std::optional<std::string> parameters;
    std::string directory;
    int showCommand = kShowNormal;
    // WinExec: the command line, always shown with SW_SHOW.
    std::string commandLine;

    bool operator==(const LaunchAction&) const = default;
};

// ".exe" and ".com" are programs, ".cpl" applets, anything else documents;
// the extension is compared without regard to case.
TargetKind KindOf(std::string_view extension);

// The stored start directory, else the folder of the target with its
// trailing separator (empty when the path has none).
std::string WorkingDirectory(const LaunchTarget& target);

// 1 gives minimised, 2 maximised, every other mode a plain SW_SHOW.
int ShowCommandFor(int showMode);

// The command line that opens an applet: rundll32 from the system folder by
// its full path (in double quotes when the path holds a blank), never a
// rundll32 that lies beside the program. An empty system folder gives an
// empty command line, which fails to start.
std::string AppletCommandLine(std::string_view systemDir, std::string_view appletPath);

// A press of the button; applets are opened with rundll32 from systemDir.
LaunchAction PlanStart(const LaunchTarget& target, std::string_view systemDir);

// A file dropped onto the button: the target is started with the file, in
// double quotes, as its only parameter, whatever kind it is.
LaunchAction PlanRunWithFile(const LaunchTarget& target, std::string_view file);

// What the user is told when a start fails.
std::string ShellFailureText(const std::string& fullPath);
constexpr const char* kWinExecFailureText = TXT_WINEXEC_FAILED;
