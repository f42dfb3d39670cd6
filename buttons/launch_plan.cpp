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
}  // namespace

LaunchAction PlanStart(const LaunchTarget& target) {
    switch (KindOf(sjis::Extension(target.fullPath))) {
        case TargetKind::Program:
            return ShellAction(target, target.parm);
        case TargetKind::ControlPanel: {
            LaunchAction action;
            action.call = LaunchAction::Call::WinExec;
            action.commandLine = "rundll32 shell32.dll,Control_RunDLL " + target.fullPath + ",,0";
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
