#include "settings/setting_sheet.h"

#include "bar/bar_dlg.h"
#include "res/texts.h"
#include "win/monitors.h"

CSettingSheet::CSettingSheet(CBarDlg& bar, ProfileStore& profile)
    : CPropertySheet(TXT_SETTINGS_CAPTION),
      m_optDlg(profile),
      m_watchDlg(bar.m_bkColor, bar.m_textColor, &bar.m_clockFont) {
    m_hotKeyDlg.SetHotKey(&bar.m_hotKey);
    m_iconCustom.m_btnSize = bar.m_btnSize;
    m_iconCustom.SetIconFlags(bar.m_option);
    m_optDlg.m_option = bar.m_option;
    m_arrangeDlg.m_pageCount = bar.m_pageCount;

    AddPage(m_optDlg);
    AddPage(m_watchDlg);
    AddPage(m_iconCustom);
    AddPage(m_arrangeDlg);
    AddPage(m_hotKeyDlg);

    // The saved state takes the bar's normal (restored) rectangle.
    m_optDlg.SetSavedStateTarget(NormalWindowRect(bar.Handle()), &bar.m_setX, &bar.m_setY,
                                 &bar.m_setOption);
}
