#pragma once
// The settings sheet "各種設定": five pages filled from the bar. It lives
// only while CBarDlg::OpenSettings runs.

#include "win/property_sheet.h"
#include "settings/arrange_dlg.h"
#include "settings/hotkey_dlg.h"
#include "settings/icon_custom.h"
#include "settings/opt_dlg.h"
#include "settings/watch_dlg.h"

class CBarDlg;
class ProfileStore;

class CSettingSheet : public CPropertySheet {
public:
    // Gives every page the bar's current values and adds them in tab order.
    CSettingSheet(CBarDlg& bar, ProfileStore& profile);

    COptDlg m_optDlg;
    CWatchDlg m_watchDlg;
    CIconCustom m_iconCustom;
    CArrangeDlg m_arrangeDlg;
    CHotKeyDlg m_hotKeyDlg;
};
