#include "settings/setting_sheet.h"

#include "res/texts.h"

CSettingSheet::CSettingSheet(SettingsValues& values, ProfileStore& profile)
    : CPropertySheet(TXT_SETTINGS_CAPTION),
      m_optDlg(values, profile),
      m_watchDlg(values),
      m_iconCustom(values),
      m_arrangeDlg(values),
      m_hotKeyDlg(values) {
    AddPage(m_optDlg);
    AddPage(m_watchDlg);
    AddPage(m_iconCustom);
    AddPage(m_arrangeDlg);
    AddPage(m_hotKeyDlg);
}
