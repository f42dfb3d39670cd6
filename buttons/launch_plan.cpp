#include "buttons/launch_plan.h"

#include "core/sjis.h"
#include "res/texts.h"

TargetKind KindOf(std::string_view extension) {
    if (sjis::EqualsNoCase(extension, ".exe") || sjis::EqualsNoCase(extension, ".com"))
        return TargetKind::Program;
    if (sjis::EqualsNoCase(extension, ".cpl")) return TargetKind::ControlPanel;
    return TargetKind::Document;
}

std::string WorkingDirectory(const LaunchTarget& target) {
    if (!target.dir.empty()) return target.dir;
    sjis::PathParts parts = sjis::SplitPath(target.fullPath);
    return parts.drive + parts.dir;
}

int ShowCommandFor(int showMode) {
    if (showMode == 1) return kShowMinimized;
    if (showMode == 2) return kShowMaximized;
    return kShowNormal;
}

namespace {
LaunchAction ShellAction(const LaunchTarget& target, std::optional<std::string> parameters) {
    LaunchAction action;
    action.file = target.fullPath;
    action.parameters = std::move(parameters);
    action.directory = WorkingDirectory(target);
    action.showCommand = ShowCommandFor(target.showMode);
    return action;
}

bool EndsWithSeparator(std::string_view path) {
    bool separator = false;
    for (std::size_t pos = 0; pos < path.size(); pos += sjis::CharLength(path, pos))
        separator = path[pos] == '\\' || path[pos] == '/';
    return separator;
}
}  // namespace

std::string AppletCommandLine(std::string_view systemDir, std::string_view appletPath) {
    if (systemDir.empty()) return {};
    std::string program(systemDir);
    if (!EndsWithSeparator(program)) program += '\\';
    program += "rundll32.exe";
    if (program.find(' ') != std::string::npos) program = '"' + program + '"';
    return program + " shell32.dll,Control_RunDLL " + std::string(appletPath) + ",,0";
}

LaunchAction PlanStart(const LaunchTarget& target, std::string_view systemDir) {
    switch (KindOf(sjis::Extension(target.fullPath))) {
        case TargetKind::Program:
            return ShellAction(target, target.parm);
        case TargetKind::ControlPanel: {
            LaunchAction action;
            action.call = LaunchAction::Call::WinExec;
            action.commandLine = AppletCommandLine(systemDir, target.fullPath);
            return action;
        }
        case TargetKind::Document:
            break;
    }
    return ShellAction(target, std::nullopt);
}

LaunchAction PlanRunWithFile(const LaunchTarget& target, std::string_view file) {
    return ShellAction(target, "\"" + std::string(file) + "\"");
}

std::string ShellFailureText(const std::string& fullPath) {
    return fullPath + TXT_START_FAILED;
}
