#include "settings/hotkey_dlg.h"

#include <string>

#include "res/resource.h"
#include "res/texts.h"
#include "settings/hotkey_names.h"
#include "config/bar_settings.h"
#include "win/data_exchange.h"

CHotKeyDlg::CHotKeyDlg(BarSettings& settings)
    : CPropertyPage(IDD_HOTKEY), m_hotKey(settings.hotKey), m_keyLine(FindKeyLine(m_hotKey.Key)) {}

void CHotKeyDlg::DoDataExchange(DataExchange& dx) {
    dx.CheckBit(IDC_HOTKEY_ALT, m_hotKey.SysKey, kHotKeyAlt);
    dx.CheckBit(IDC_HOTKEY_CONTROL, m_hotKey.SysKey, kHotKeyControl);
    dx.CheckBit(IDC_HOTKEY_SHIFT, m_hotKey.SysKey, kHotKeyShift);
    dx.ComboIndex(IDC_HOTKEY_KEY, m_keyLine);
    dx.ComboIndex(IDC_HOTKEY_ACTION, m_hotKey.Do);
}

BOOL CHotKeyDlg::OnInitDialog() {
    for (std::string_view name : HotKeyNames()) AddComboItem(IDC_HOTKEY_KEY, name);
    for (const char* action :
         {TXT_HOTKEY_ACTION_NONE, TXT_HOTKEY_ACTION_ACTIVATE, TXT_HOTKEY_ACTION_MENU})
        AddComboItem(IDC_HOTKEY_ACTION, action);
    const BOOL result = CPropertyPage::OnInitDialog();
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
    // Only the modifiers the page shows are kept.
    m_hotKey.SysKey &= kHotKeyAlt | kHotKeyControl | kHotKeyShift;
    // A stored key the list does not hold shows no line; it stays as stored.
    if (m_keyLine >= 0) m_hotKey.Key = HotKeyNames()[static_cast<std::size_t>(m_keyLine)];
}
