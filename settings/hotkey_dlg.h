#pragma once
// The hotkey page: modifiers, key and what the hotkey does. It writes
// straight into the bar's setting on the sheet's OK.

#include "win/property_page.h"
#include "config/records.h"

class CHotKeyDlg : public CPropertyPage {
public:
    CHotKeyDlg();

    // The setting the page shows and, on OK, replaces; not owned.
    void SetHotKey(HotKeySetting* hotKey) { m_hotKey = hotKey; }

    void UpdateKeyControls();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnApply() override;

private:
    HotKeySetting* m_hotKey = nullptr;
};
