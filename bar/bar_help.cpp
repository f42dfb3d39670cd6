// Command 104: the help file when there is one, otherwise the user guide,
// which the user's browser shows.

#include <windows.h>
#include <shellapi.h>

#include "bar/bar_dlg.h"
#include "buttons/launch_plan.h"
#include "core/sjis.h"
#include "res/resource.h"
#include "res/texts.h"
#include "win/app_message.h"

namespace {
constexpr const char* kGuideFileName = "Tarvix.html";

sjis::PathParts ModuleParts() {
    char module[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
    return sjis::SplitPath(std::string(module, length < sizeof module ? length : 0));
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
}  // namespace

std::string CBarDlg::HelpFilePath() {
    sjis::PathParts parts = ModuleParts();
    return parts.drive + parts.dir + parts.fileName + ".HLP";
}

std::string CBarDlg::GuidePath() {
    sjis::PathParts parts = ModuleParts();
    return parts.drive + parts.dir + kGuideFileName;
}

void CBarDlg::OnHelp() {
    // Without its file the help viewer stops behind a question of its own,
    // and this call with it: it is called only for a file that exists.
    const std::string help = HelpFilePath();
    if (Exists(help)) {
        WinHelpA(m_hWnd, help.c_str(), HELP_FINDER, 0);
        return;
    }
    const std::string guide = GuidePath();
    if (Exists(guide)) {
        OpenGuide(guide);
        return;
    }
    const std::string text = TXT_HELP_MISSING_BEFORE + guide + TXT_HELP_MISSING_AFTER;
    ShowAppMessage(m_hWnd, text, MB_OK | MB_ICONINFORMATION);
}

void CBarDlg::OpenGuide(const std::string& guide) {
    sjis::PathParts parts = sjis::SplitPath(guide);
    const std::string folder = parts.drive + parts.dir;
    HINSTANCE result =
        ShellExecuteA(m_hWnd, "open", guide.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    if (reinterpret_cast<UINT_PTR>(result) <= 32)
        ShowAppMessage(m_hWnd, ShellFailureText(guide), MB_OK | MB_ICONWARNING);
}
