// The bar's two pop-up menus, the commands behind them and the mouse on the
// bar's own surface.

#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "config/launcher_store.h"
#include "bar/bar_dlg.h"
#include "bar/clock_text.h"
#include "bar/input_rules.h"
#include "bar/menu_text.h"
#include "config/bar_settings.h"
#include "res/resource.h"
#include "res/texts.h"

UniqueMenu CBarDlg::BuildBarMenu() const {
    UniqueMenu menu(CreatePopupMenu());
    HMENU m = menu.Get();
    AppendMenuA(m, MF_STRING, IDM_ADD_REMOVE, TXT_MENU_ADD_REMOVE);
    AppendMenuA(m, MF_STRING, IDM_SETTINGS, TXT_MENU_SETTINGS);
    AppendMenuA(m, MF_STRING, IDM_RESTORE_STATE, TXT_MENU_RESTORE);
    AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(m, MF_STRING, IDM_HELP, TXT_MENU_HELP);
    AppendMenuA(m, MF_STRING, IDM_ABOUT, TXT_MENU_ABOUT);
    AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(m, MF_STRING, ID_APP_EXIT, TXT_MENU_EXIT);
    if (m_settings.option & OPT_VERTICAL) {
        // The vertical bar shows no clock; its menu tells the time instead.
        AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(m, MF_STRING, 0, CurrentTimeLabel(LocalTimeNow()).c_str());
    }
    return menu;
}

UniqueMenu CBarDlg::BuildPageMenu() const {
    UniqueMenu menu(CreatePopupMenu());
    const int pages = std::min(m_settings.pageCount, kMaxMenuPages);
    for (int page = 1; page <= pages; ++page) {
        const UINT checked = page == m_settings.curPage ? MF_CHECKED : MF_UNCHECKED;
        const std::string label = PageMenuLabel(page, m_store.LoadPageName(page));
        AppendMenuA(menu.Get(), MF_STRING | checked,
                    static_cast<UINT_PTR>(IDM_PAGE_FIRST - 1 + page), label.c_str());
    }
    return menu;
}

namespace {
void Track(HMENU menu, HWND owner, int x, int y, UINT align) {
    // The owner must be in the foreground, or the menu stays open when the
    // user clicks elsewhere; the posted null message lets it close at once.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON | align, x, y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}
}  // namespace

void CBarDlg::ShowBarMenu(int x, int y) {
    UniqueMenu menu = BuildBarMenu();
    Track(menu.Get(), m_hWnd, x, y, TPM_RIGHTALIGN);
}

void CBarDlg::ShowPageMenu(int x, int y, bool leftAlign) {
    UniqueMenu menu = BuildPageMenu();
    Track(menu.Get(), m_hWnd, x, y, leftAlign ? TPM_LEFTALIGN : TPM_RIGHTALIGN);
}

void CBarDlg::OnNcRightButtonDown(LPARAM lp) {
    ShowBarMenu(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
}

void CBarDlg::OnNcLeftDoubleClick(LPARAM lp) {
    DoubleClickAction action = DoubleClickActionFor(m_settings.pageCount, m_settings.curPage);
    if (action.kind == DoubleClickAction::SwitchPage) SwitchPage(action.page);
    if (action.kind == DoubleClickAction::PageMenu)
        ShowPageMenu(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), false);
}

void CBarDlg::RestoreSavedState() {
    m_settings.option =
        (m_settings.saved.option & kDisplayOptionBits) | (m_settings.option & kButtonOptionBits);
    Rebuild();
    PlaceWindow(m_settings.saved.x, m_settings.saved.y);
    SaveWindowPos();
    m_store.Profile().WriteInt(kSettingSection, "Option", m_settings.option);
}
