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
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// Every child of `parent` lies inside `area`, given in the client
// coordinates of `parent`; hidden ones too unless `visibleOnly`.
void ExpectChildrenInside(HWND parent, const RECT& area, const std::string& what,
                          bool visibleOnly = false) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (visibleOnly && !IsWindowVisible(child)) continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        RECT both;
        IntersectRect(&both, &r, &area);
        EXPECT_TRUE(EqualRect(&both, &r)) << what << ": control " << GetDlgCtrlID(child) << " at "
                                          << Describe(r) << " outside " << Describe(area);
    }
}

void ExpectInsideClient(HWND dialog, const std::string& what, bool visibleOnly = false) {
    RECT client;
    GetClientRect(dialog, &client);
    ExpectChildrenInside(dialog, client, what, visibleOnly);
}

// The shown page inside the tab's display area, and its controls inside it.
void ExpectPageFits(HWND sheet, int tab) {
    const std::string what = "page " + std::to_string(tab + 1);
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    HWND tabs = PropSheet_GetTabControl(sheet);
    RECT display;
    GetClientRect(tabs, &display);
    TabCtrl_AdjustRect(tabs, FALSE, &display);
    MapWindowPoints(tabs, sheet, reinterpret_cast<POINT*>(&display), 2);
    RECT r, both;
    GetWindowRect(page, &r);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&r), 2);
    IntersectRect(&both, &r, &display);
    EXPECT_TRUE(EqualRect(&both, &r))
        << what << " at " << Describe(r) << " outside the tab's area " << Describe(display);
    ExpectInsideClient(page, what);
}

class ScaledDialogsTest : public BarFixture {};

TEST_F(ScaledDialogsTest, EveryControlLiesInsideItsDialog) {
    Start();
    wt::ModalScript script;
    for (int tab = 0; tab < 5; ++tab) {
        script.On(kSheet, [tab](wt::ScriptWindow& w) { w.ShowPage(tab); });
        script.On(kSheet, [tab](wt::ScriptWindow& w) {
            // The sheet keeps its hidden Help and Apply buttons beyond its edge.
            ExpectInsideClient(w.Handle(), kSheet, true);
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
            ExpectInsideClient(w.Handle(), name);
            w.Press(IDCANCEL);
        });
        open();
    }
}

}  // namespace
