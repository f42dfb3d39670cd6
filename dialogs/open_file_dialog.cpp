#include "dialogs/open_file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "dialogs/file_filter.h"
#include "win/ansi_file_name.h"

namespace {
// Room for long paths; the dialog reports a name that does not fit as a
// failure rather than cutting it.
constexpr size_t kPathRoom = 32768;
}  // namespace

bool ChooseOpenFile(HWND owner, const char* barFilter, const char* initialName, std::string& path) {
    // The wide dialog gives the chosen file's real name, which may not fit
    // the ANSI code page; the filter's NULs survive the conversion.
    const std::wstring filter = WideOf(FileFilterFromBars(barFilter));
    std::vector<wchar_t> file(kPathRoom, L'\0');
    lstrcpynW(file.data(), WideOf(initialName).c_str(), static_cast<int>(file.size()));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!GetOpenFileNameW(&ofn)) return false;
    FileNameChoice choice = AnsiFileName(file.data());
    if (choice.kind == FileNameKind::Refused) {
        TellLeftOutFiles(owner, {choice.shown});
        return false;
    }
    path = std::move(choice.path);
    return true;
}
