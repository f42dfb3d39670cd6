// Command 104: the help file when there is one, otherwise the user guide,
// which the user's browser shows. Paths go through the wide calls: the
// program's folder may have a name that code page 932 cannot hold.

#include <windows.h>
#include <shellapi.h>

#include "bar/bar_dlg.h"
#include "buttons/launch_plan.h"
#include "res/resource.h"
#include "res/texts.h"
#include "win/ansi_file_name.h"
#include "win/app_message.h"
#include "win/handles.h"

namespace {
constexpr const wchar_t* kGuideFileName = L"Tarvix.html";
constexpr const char* kHelpViewerClass = "MS_WINHELP";
constexpr DWORD kHelpViewerWaitMs = 10000;

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    while (path.size() <= 32768) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) return path.substr(0, n);
        path.resize(path.size() * 2);
    }
    return {};
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A path as a message shows it: in the ANSI code page, as near as it goes.
std::string Shown(const std::wstring& path) {
    return AnsiOf(path).bytes;
}

// The system's help viewer: in the Windows folder, or in the system folder
// as under Wine.
std::wstring SystemHelpViewer() {
    wchar_t folder[MAX_PATH];
    for (auto folderOf : {GetWindowsDirectoryW, GetSystemDirectoryW}) {
        const UINT length = folderOf(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) continue;
        const std::wstring viewer = std::wstring(folder, length) + L"\\winhlp32.exe";
        if (Exists(viewer)) return viewer;
    }
    return {};
}

// The system's viewer, started by its full path unless it runs already:
// the help call itself starts one by its bare name, which finds a program
// of that name lying beside this one first. True once its window exists.
bool SystemHelpViewerRuns() {
    if (FindWindowA(kHelpViewerClass, nullptr)) return true;
    const std::wstring viewer = SystemHelpViewer();
    std::wstring command = L"\"" + viewer + L"\" -x";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (viewer.empty() || !CreateProcessW(viewer.c_str(), command.data(), nullptr, nullptr, FALSE,
                                          0, nullptr, nullptr, &si, &pi))
        return false;
    UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
    WaitForInputIdle(process.Get(), kHelpViewerWaitMs);
    return FindWindowA(kHelpViewerClass, nullptr) != nullptr;
}
}  // namespace

std::wstring CBarDlg::HelpFilePath() {
    const std::wstring module = ModulePath();
    const size_t name = module.find_last_of(L"\\/") + 1;
    const size_t dot = module.rfind(L'.');
    return module.substr(0, dot != std::wstring::npos && dot >= name ? dot : module.size()) +
           L".HLP";
}

std::wstring CBarDlg::GuidePath() {
    const std::wstring module = ModulePath();
    return module.substr(0, module.find_last_of(L"\\/") + 1) + kGuideFileName;
}

void CBarDlg::OnHelp() {
    // Without its file the help viewer stops behind a question of its own,
    // and this call with it: it is called only for a file that exists.
    const std::wstring help = HelpFilePath();
    if (Exists(help) && SystemHelpViewerRuns()) {
        WinHelpW(m_hWnd, help.c_str(), HELP_FINDER, 0);
        return;
    }
    const std::wstring guide = GuidePath();
    if (Exists(guide)) {
        OpenGuide(guide);
        return;
    }
    const std::string text = TXT_HELP_MISSING_BEFORE + Shown(guide) + TXT_HELP_MISSING_AFTER;
    ShowAppMessage(m_hWnd, text, MB_OK | MB_ICONINFORMATION);
}

void CBarDlg::OpenGuide(const std::wstring& guide) {
    const std::wstring folder = guide.substr(0, guide.find_last_of(L"\\/") + 1);
    HINSTANCE result =
        ShellExecuteW(m_hWnd, L"open", guide.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    if (reinterpret_cast<UINT_PTR>(result) <= 32)
        ShowAppMessage(m_hWnd, ShellFailureText(Shown(guide)), MB_OK | MB_ICONWARNING);
}
