// Files dropped onto the bar: on the strip they become buttons at the end of
// the page; on a button they are opened with its target.

#include <algorithm>
#include <vector>

#include "config/launcher_store.h"
#include "config/page_edits.h"
#include "bar/bar_dlg.h"
#include "bar/input_rules.h"
#include "buttons/bar_button.h"
#include "res/resource.h"
#include "win/ansi_file_name.h"

namespace {
// The whole name, however long: the platform is asked for its length first.
// The wide form is the file's real name; the ANSI one may be a look-alike.
std::wstring DroppedName(HDROP drop, UINT index) {
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    std::vector<wchar_t> name(length + 1, L'\0');
    const UINT got = DragQueryFileW(drop, index, name.data(), length + 1);
    return std::wstring(name.data(), std::min(got, length));
}
}  // namespace

void CBarDlg::OnDropFiles(HDROP drop) {
    POINT point{};
    DragQueryPoint(drop, &point);
    POINT screen = point;
    ClientToScreen(m_hWnd, &screen);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> leftOut;
    if (DropOnStrip(point.x, point.y, (m_settings.option & OPT_VERTICAL) != 0, ClockExtent()))
        AddDroppedFiles(drop, count, leftOut);
    else
        RunDroppedFiles(drop, count, screen, leftOut);
    DragFinish(drop);
    // Once for the whole drop, after the other files have gone on.
    TellLeftOutFiles(m_hWnd, leftOut);
}

// The dropped paths in drop order, as the program keeps them; the names of
// files that cannot be kept go to `leftOut`. An empty name is no path: Wine
// reports a drop that lists no files as one file with an empty name.
std::vector<std::string> CBarDlg::DroppedPaths(HDROP drop, UINT count,
                                               std::vector<std::string>& leftOut) {
    std::vector<std::string> paths;
    for (UINT f = 0; f < count; ++f) {
        const std::wstring name = DroppedName(drop, f);
        if (name.empty()) continue;
        FileNameChoice choice = AnsiFileName(name);
        if (choice.kind == FileNameKind::Refused)
            leftOut.push_back(std::move(choice.shown));
        else
            paths.push_back(std::move(choice.path));
    }
    return paths;
}

void CBarDlg::AddDroppedFiles(HDROP drop, UINT count, std::vector<std::string>& leftOut) {
    AppendButtons(m_store, m_settings.curPage, m_pageSetup.ButtonCount,
                  DroppedPaths(drop, count, leftOut));
    Rebuild();
}

void CBarDlg::RunDroppedFiles(HDROP drop, UINT count, POINT screenPoint,
                              std::vector<std::string>& leftOut) {
    CreateTips();  // a drop before the bar's first paint finds its button too
    for (const auto& button : m_buttons) {
        POINT point = screenPoint;
        ScreenToClient(button->Handle(), &point);
        if (!m_toolTip.HitTest(button->Handle(), point)) continue;
        for (const std::string& path : DroppedPaths(drop, count, leftOut))
            button->RunWithFile(path);
        return;
    }
}
