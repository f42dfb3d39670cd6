// The settings sheet's pages and the editing dialogs hold all of their
// controls, in whatever font and at whatever scale the prefix gives them.
// Run in the stage without the system dialog font's replacement, at 144 DPI.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "dialogs/button_list_dlg.h"
#include "dialogs/button_prop_dlg.h"
#include "dialogs/button_size_dlg.h"
#include "dialogs/icon_select_dlg.h"
#include "res/resource.h"
#include "tests/wine/bar_fixture.h"
#include "tests/wine/modal_script.h"

namespace {

constexpr char kSheet[] = "各種設定";

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

void ExpectInside(const RECT& r, const RECT& area, const std::string& what) {
    RECT both;
    IntersectRect(&both, &r, &area);
    EXPECT_TRUE(EqualRect(&both, &r))
        << what << " at " << Describe(r) << " outside " << Describe(area);
}

// `wnd` in the client coordinates of `parent`.
RECT RectIn(HWND parent, HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Every child of `parent` (hidden ones too unless `shownOnly`) lies inside
// its client area.
void ExpectChildrenInside(HWND parent, const std::string& what, bool shownOnly = false) {
    RECT client;
    GetClientRect(parent, &client);
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (!shownOnly || IsWindowVisible(child))
            ExpectInside(RectIn(parent, child), client,
                         what + ": control " + std::to_string(GetDlgCtrlID(child)));
}

// The shown page lies inside the tab's display area, its controls inside it.
void ExpectPageFits(HWND sheet, int tab) {
    HWND tabs = PropSheet_GetTabControl(sheet);
    RECT area;
    GetClientRect(tabs, &area);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    MapWindowPoints(tabs, sheet, reinterpret_cast<POINT*>(&area), 2);
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    const std::string what = "page " + std::to_string(tab + 1);
    ExpectInside(RectIn(sheet, page), area, what);
    ExpectChildrenInside(page, what);
}

using ScaledDialogsTest = BarFixture;

TEST_F(ScaledDialogsTest, EveryControlLiesInsideItsDialog) {
    Start();
    wt::ModalScript script;
    for (int tab = 0; tab < 5; ++tab) {
        script.On(kSheet, [tab](wt::ScriptWindow& w) { w.ShowPage(tab); });
        script.On(kSheet, [tab](wt::ScriptWindow& w) {
            // The sheet keeps its hidden Help and Apply buttons beyond its edge.
            ExpectChildrenInside(w.Handle(), kSheet, true);
            ExpectPageFits(w.Handle(), tab);
            if (tab == 4) w.Press(IDCANCEL);
        });
    }
    SendMessageA(BarWnd(), WM_COMMAND, IDM_SETTINGS, 0);
    Pump();

    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"編集",
         [] {
             ButtonEntry entry;
             EditButtonEntry(nullptr, "編集", entry);
         }},
        {"ｱｲｺﾝの変更", [] { CIconSelectDlg().DoModal(nullptr); }},
        {"ﾎﾞﾀﾝの追加と削除", [this] { CButtonListDlg(*app).DoModal(BarWnd()); }},
        {"ﾎﾞﾀﾝの設定", [] { CButtonSizeDlg().DoModal(nullptr); }},
    };
    for (const auto& [caption, open] : dialogs) {
        script.On(caption, [name = caption](wt::ScriptWindow& w) {
            ExpectChildrenInside(w.Handle(), name);
            w.Press(IDCANCEL);
        });
        open();
    }
}

}  // namespace
