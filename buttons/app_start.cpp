#include "buttons/app_start.h"

#include <shellapi.h>

#include "win/app_message.h"
#include "res/resource.h"

void CAppStart::SetTarget(HWND owner, const std::string& fullPath, const std::string& dir,
                          const std::string& parm, int showMode) {
    m_owner = owner;
    m_fullPath = fullPath;
    m_dir = dir;
    m_parm = parm;
    m_showMode = showMode;
}

LaunchTarget CAppStart::Target() const {
    return LaunchTarget{m_fullPath, m_dir, m_parm, m_showMode};
}

namespace {
// The system folder, empty when the platform cannot tell it.
std::string SystemDirectory() {
    char dir[MAX_PATH];
    const UINT length = GetSystemDirectoryA(dir, sizeof dir);
    return length > 0 && length < sizeof dir ? std::string(dir, length) : std::string();
}
}  // namespace

void CAppStart::Start() const {
    Execute(PlanStart(Target(), SystemDirectory()));
}

void CAppStart::RunWithFile(const std::string& file) const {
    Execute(PlanRunWithFile(Target(), file));
}

void CAppStart::Execute(const LaunchAction& action) const {
    if (action.call == LaunchAction::Call::WinExec) {
        if (WinExec(action.commandLine.c_str(), SW_SHOW) < 32) ReportFailure(kWinExecFailureText);
        return;
    }
    HINSTANCE result = ShellExecuteA(m_owner, nullptr, action.file.c_str(),
                                     action.parameters ? action.parameters->c_str() : nullptr,
                                     action.directory.c_str(), action.showCommand);
    if (reinterpret_cast<UINT_PTR>(result) <= 32) ReportFailure(ShellFailureText(m_fullPath));
}

void CAppStart::ReportFailure(const std::string& text) const {
    // Owned by the bar, so the box stays above a topmost bar.
    HWND owner = m_owner ? GetAncestor(m_owner, GA_ROOT) : nullptr;
    ShowAppMessage(owner, text, MB_OK | MB_ICONWARNING);
}
