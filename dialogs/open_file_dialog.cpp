#include "dialogs/open_file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "dialogs/file_filter.h"

namespace {
// Room for long paths; the dialog reports a name that does not fit as a
// failure rather than cutting it.
constexpr size_t kPathRoom = 32768;
}  // namespace

bool ChooseOpenFile(HWND owner, const char* barFilter, const char* initialName, std::string& path) {
    const std::string filter = FileFilterFromBars(barFilter);
    std::vector<char> file(kPathRoom, '\0');
    lstrcpynA(file.data(), initialName, static_cast<int>(file.size()));
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!GetOpenFileNameA(&ofn)) return false;
    path = file.data();
    return true;
}
