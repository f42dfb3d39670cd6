#pragma once
// The hotkey page: modifiers, key and what the hotkey does.

#include "win/property_page.h"
#include "config/records.h"

struct BarSettings;

class CHotKeyDlg : public CPropertyPage {
public:
    // Shows the hotkey of `settings`; OK hands it back.
    explicit CHotKeyDlg(BarSettings& settings);

    void UpdateKeyControls();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;
    void OnApply() override;

private:
    HotKeySetting& m_hotKey;
    int m_keyLine;  // the key list's line; -1 for a key it does not hold
};
