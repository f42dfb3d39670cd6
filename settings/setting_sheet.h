#pragma once
// The settings sheet "各種設定": five pages on one set of values. It lives
// only while the settings command runs.

#include "win/property_sheet.h"
#include "settings/arrange_dlg.h"
#include "settings/hotkey_dlg.h"
#include "settings/icon_custom.h"
#include "settings/opt_dlg.h"
#include "settings/watch_dlg.h"

struct BarSettings;
class ProfileStore;

class CSettingSheet : public CPropertySheet {
public:
    // The pages show `settings` and, on OK, hand their fields back to it;
    // `window` is the bar's normal rectangle, for the saved state.
    CSettingSheet(BarSettings& settings, ProfileStore& profile, const RECT& window);

    COptDlg m_optDlg;
    CWatchDlg m_watchDlg;
    CIconCustom m_iconCustom;
    CArrangeDlg m_arrangeDlg;
    CHotKeyDlg m_hotKeyDlg;
};
