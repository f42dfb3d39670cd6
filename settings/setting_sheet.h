#pragma once
// The settings sheet "各種設定": five pages on one set of values. It lives
// only while the settings command runs.

#include "win/property_sheet.h"
#include "settings/arrange_dlg.h"
#include "settings/hotkey_dlg.h"
#include "settings/icon_custom.h"
#include "settings/opt_dlg.h"
#include "settings/watch_dlg.h"

struct SettingsValues;
class ProfileStore;

class CSettingSheet : public CPropertySheet {
public:
    // The pages show `values` and, on OK, hand their fields back to it.
    CSettingSheet(SettingsValues& values, ProfileStore& profile);

    COptDlg m_optDlg;
    CWatchDlg m_watchDlg;
    CIconCustom m_iconCustom;
    CArrangeDlg m_arrangeDlg;
    CHotKeyDlg m_hotKeyDlg;
};
