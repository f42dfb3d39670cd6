#include "settings/setting_sheet.h"

#include "res/texts.h"

CSettingSheet::CSettingSheet(BarSettings& settings, ProfileStore& profile, const RECT& window)
    : CPropertySheet(TXT_SETTINGS_CAPTION),
      m_optDlg(settings, profile, window),
      m_watchDlg(settings),
      m_iconCustom(settings),
      m_arrangeDlg(settings),
      m_hotKeyDlg(settings) {
    AddPage(m_optDlg);
    AddPage(m_watchDlg);
    AddPage(m_iconCustom);
    AddPage(m_arrangeDlg);
    AddPage(m_hotKeyDlg);
}
