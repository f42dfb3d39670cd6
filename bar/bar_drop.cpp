// Files dropped onto the bar: on the strip they become buttons at the end of
// the page; on a button they are opened with its target.

#include <algorithm>
#include <climits>
#include <vector>

#include "config/launcher_store.h"
#include "bar/bar_dlg.h"
#include "bar/input_rules.h"
#include "buttons/bar_button.h"
#include "res/resource.h"

namespace {
// The whole path, however long: the platform is asked for its length first.
std::string DroppedPath(HDROP drop, UINT index) {
    const UINT length = DragQueryFileA(drop, index, nullptr, 0);
    std::vector<char> path(length + 1, '\0');
    const UINT got = DragQueryFileA(drop, index, path.data(), length + 1);
    return std::string(path.data(), std::min(got, length));
}
}  // namespace

void CBarDlg::OnDropFiles(HDROP drop) {
    POINT point{};
    DragQueryPoint(drop, &point);
    POINT screen = point;
    ClientToScreen(m_hWnd, &screen);
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (DropOnStrip(point.x, point.y, (m_option & OPT_VERTICAL) != 0, ClockExtent()))
        AddDroppedFiles(drop, count);
    else
        RunDroppedFiles(drop, count, screen);
    DragFinish(drop);
}

// The dropped paths in drop order. An empty name is no path: Wine reports a
// drop that lists no files as one file with an empty name.
std::vector<std::string> CBarDlg::DroppedPaths(HDROP drop, UINT count) {
    std::vector<std::string> paths;
    for (UINT f = 0; f < count; ++f) {
        std::string path = DroppedPath(drop, f);
        if (!path.empty()) paths.push_back(std::move(path));
    }
    return paths;
}

void CBarDlg::AddDroppedFiles(HDROP drop, UINT count) {
    const int before = m_pageSetup.ButtonCount;
    const std::vector<std::string> paths = DroppedPaths(drop, count);
    // Slot numbers stay within int even on a page whose count was hand-edited.
    const size_t room = static_cast<size_t>(INT_MAX - before);
    const int added = static_cast<int>(std::min(paths.size(), room));
    for (int f = 0; f < added; ++f) {
        ButtonEntry entry;
        entry.AppName = paths[f];
        m_store.SaveButton(m_curPage, before + f + 1, entry);
    }
    m_store.SaveButtonCount(m_curPage, before + added);
    Rebuild();
}

void CBarDlg::RunDroppedFiles(HDROP drop, UINT count, POINT screenPoint) {
    for (const auto& button : m_buttons) {
        POINT point = screenPoint;
        ScreenToClient(button->Handle(), &point);
        if (!m_toolTip.HitTest(button->Handle(), point)) continue;
        for (const std::string& path : DroppedPaths(drop, count)) button->RunWithFile(path);
        return;
    }
}
