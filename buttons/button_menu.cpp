// A bar button's own menu: change its settings, delete it.

#include <windows.h>
#include <windowsx.h>

#include "buttons/bar_button.h"
#include "res/resource.h"
#include "res/texts.h"
#include "win/handles.h"
#include "win/app_message.h"

LRESULT CALLBACK CBarButton::SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* button = reinterpret_cast<CBarButton*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    const WNDPROC original = button ? button->m_originalProc : nullptr;
    if (!original) return DefWindowProcA(wnd, msg, wp, lp);
    switch (msg) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:  // a second right press soon after the first
            button->ShowButtonMenu(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            break;
        case WM_COMMAND:
            if (LOWORD(wp) == IDM_BUTTON_EDIT) return button->OnEdit(), 0;
            // The button is deleted by then: nothing of it may be touched.
            if (LOWORD(wp) == IDM_BUTTON_DELETE) return button->OnDelete(), 0;
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
            break;
    }
    return CallWindowProcA(original, wnd, msg, wp, lp);
}

void CBarButton::ShowButtonMenu(POINT point) {
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuA(menu.Get(), MF_STRING, IDM_BUTTON_EDIT, TXT_BUTTON_MENU_EDIT);
    AppendMenuA(menu.Get(), MF_STRING, IDM_BUTTON_DELETE, TXT_BUTTON_MENU_DELETE);
    ClientToScreen(Handle(), &point);
    // The bar must be in the foreground, or the menu stays open when the
    // user clicks elsewhere; the posted null message lets it close at once.
    SetForegroundWindow(GetAncestor(Handle(), GA_ROOT));
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

// The bar may tear its buttons down while a dialog or question of the menu
// is open (the system's shutdown query does). The button owns its window,
// so a window that still exists vouches for the button after such a wait.

void CBarButton::OnEdit() {
    ButtonEntry entry = m_entry;
    HWND wnd = Handle();
    CButtonHost* host = m_host;
    if (!host || !host->EditEntry(entry) || !IsWindow(wnd)) return;
    m_entry = entry;
    m_host->SaveButton(m_pageNo, m_btnIndex, m_entry);
    m_appStart.SetTarget(Handle(), m_entry.AppName, m_entry.Dir, m_entry.Parm, m_entry.ShowMode);
    m_host->UpdateButton(m_btnIndex, m_entry);
}

void CBarButton::OnDelete() {
    HWND wnd = Handle();
    CButtonHost* host = m_host;
    const int answer = ShowAppMessage(wnd, TXT_ASK_DELETE_BUTTON, MB_OKCANCEL | MB_ICONQUESTION);
    if (answer == IDOK && host && IsWindow(wnd)) host->DeleteButton(this);
}
