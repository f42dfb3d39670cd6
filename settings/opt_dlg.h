#pragma once
// The display page: date, time, vertical layout and always on top, and the
// button that stores the bar's position and these bits as the saved state
// at once.

#include "win/property_page.h"

class ProfileStore;
struct BarSettings;

class COptDlg : public CPropertyPage {
public:
    // Shows the display bits of `settings`; "現在の状態を保存" stores the
    // state of a bar at `window` at once and notes it there.
    COptDlg(BarSettings& settings, ProfileStore& profile, const RECT& window);

    // The bits the boxes show now, whatever OK does later.
    int CheckedBits();
    void OnVertical();
    void SaveCurrentState();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    BarSettings& m_settings;
    ProfileStore& m_profile;
    RECT m_window;
};
