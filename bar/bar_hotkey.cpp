// The global hotkey: registration number 150, owned by the bar's window.

#include "bar/bar_dlg.h"
#include "bar/bar_ids.h"
#include "bar/input_rules.h"

bool CBarDlg::RegisterBarHotKey() {
    UnregisterHotKey(m_hWnd, kHotKeyId);
    if (m_settings.hotKey.Do == kHotKeyNone) return true;
    const int key = KeyNameToVirtualKey(m_settings.hotKey.Key);
    if (key == 0) return true;
    // Another program may hold the combination: then there is no hotkey.
    return RegisterHotKey(m_hWnd, kHotKeyId,
                          static_cast<UINT>(HotKeyModifiers(m_settings.hotKey.SysKey)),
                          static_cast<UINT>(key)) != FALSE;
}

void CBarDlg::ActivateFromHotKey() {
    SetForegroundWindow(m_hWnd);
    if (m_settings.hotKey.Do != kHotKeyPageMenu) return;
    RECT r;
    GetWindowRect(m_hWnd, &r);
    ShowPageMenu(r.left, r.bottom, true);
}
