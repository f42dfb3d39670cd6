#include "win/shell_icon.h"

#include <shellapi.h>
#include <commctrl.h>
#include <commoncontrols.h>

#include <algorithm>
#include <vector>

#include "core/icon_sizes.h"

namespace {

UniqueCom<IImageList> ShellList(int which) {
    IImageList* list = nullptr;
    if (FAILED(SHGetImageList(which, IID_PPV_ARGS(&list))) || !list) return {};
    return UniqueCom<IImageList>(list);
}

int Side(const UniqueCom<IImageList>& list) {
    int cx = 0, cy = 0;
    return list && SUCCEEDED(list.Get()->GetIconSize(&cx, &cy)) ? cx : 0;
}

}  // namespace

SizedIcon ShellIcon(const std::string& file, bool small, int wanted) {
    SHFILEINFOA info{};
    const UINT flags = SHGFI_ICON | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    if (!SHGetFileInfoA(file.c_str(), 0, &info, sizeof info, flags)) return {};
    SizedIcon own{UniqueIcon(info.hIcon), 0};
    const int kinds[] = {SHIL_SMALL, SHIL_LARGE, SHIL_EXTRALARGE};
    std::vector<UniqueCom<IImageList>> lists;
    std::vector<int> sides;
    for (int which : kinds) {
        lists.push_back(ShellList(which));
        sides.push_back(Side(lists.back()));
    }
    own.size = sides[small ? 0 : 1];
    const int chosen = ChooseIconSize(sides, wanted);
    const size_t k = std::find(sides.begin(), sides.end(), chosen) - sides.begin();
    HICON icon = nullptr;
    // Every list holds the file's picture at the index the shell gave.
    if (chosen == own.size || k == lists.size() ||
        FAILED(lists[k].Get()->GetIcon(info.iIcon, ILD_NORMAL, &icon)) || !icon)
        return own;
    return {UniqueIcon(icon), chosen};
}
