#include "settings/hotkey_dlg.h"

#include <string>

#include "res/resource.h"
#include "res/texts.h"
#include "settings/hotkey_names.h"
#include "settings/settings_values.h"

CHotKeyDlg::CHotKeyDlg(SettingsValues& values)
    : CPropertyPage(IDD_HOTKEY), m_hotKey(values.hotKey) {}

BOOL CHotKeyDlg::OnInitDialog() {
    for (std::string_view name : HotKeyNames()) AddComboItem(IDC_HOTKEY_KEY, name);
    for (const char* action :
         {TXT_HOTKEY_ACTION_NONE, TXT_HOTKEY_ACTION_ACTIVATE, TXT_HOTKEY_ACTION_MENU})
        AddComboItem(IDC_HOTKEY_ACTION, action);
    const BOOL result = CPropertyPage::OnInitDialog();
    SetChecked(IDC_HOTKEY_ALT, (m_hotKey.SysKey & kHotKeyAlt) != 0);
    SetChecked(IDC_HOTKEY_CONTROL, (m_hotKey.SysKey & kHotKeyControl) != 0);
    SetChecked(IDC_HOTKEY_SHIFT, (m_hotKey.SysKey & kHotKeyShift) != 0);
    SetComboSelection(IDC_HOTKEY_KEY, FindKeyLine(m_hotKey.Key));
    SetComboSelection(IDC_HOTKEY_ACTION, m_hotKey.Do);
    UpdateKeyControls();
    return result;
}

bool CHotKeyDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_HOTKEY_ACTION && code == CBN_SELCHANGE) {
        UpdateKeyControls();
        return true;
    }
    return CPropertyPage::OnCommand(id, code, control);
}

void CHotKeyDlg::UpdateKeyControls() {
    // Without a hotkey the key controls are greyed; they keep what they show.
    const bool on = ComboSelection(IDC_HOTKEY_ACTION) != kHotKeyNone;
    for (int id :
         {IDC_HOTKEY_ALT, IDC_HOTKEY_CONTROL, IDC_HOTKEY_SHIFT, IDC_HOTKEY_KEY, IDC_HOTKEY_PLUS})
        EnableItem(id, on);
}

void CHotKeyDlg::OnApply() {
    m_hotKey.SysKey = (IsChecked(IDC_HOTKEY_ALT) ? kHotKeyAlt : 0) |
                      (IsChecked(IDC_HOTKEY_CONTROL) ? kHotKeyControl : 0) |
                      (IsChecked(IDC_HOTKEY_SHIFT) ? kHotKeyShift : 0);
    // A stored key the list does not hold shows no line; it stays as stored.
    if (ComboSelection(IDC_HOTKEY_KEY) >= 0) {
        std::string key = ItemText(IDC_HOTKEY_KEY);
        CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
        m_hotKey.Key = key;
    }
    m_hotKey.Do = ComboSelection(IDC_HOTKEY_ACTION);
}
