#pragma once
// The display page: date, time, vertical layout and always on top, and the
// button that stores the bar's position and these bits as the saved state
// at once.

#include "win/property_page.h"

class ProfileStore;
struct SettingsValues;

class COptDlg : public CPropertyPage {
public:
    // Shows the display bits of `values`; "現在の状態を保存" stores the
    // state at once and notes it there.
    COptDlg(SettingsValues& values, ProfileStore& profile);

    // The bits the boxes show now, whatever OK does later.
    int CheckedBits();
    void OnVertical();
    void SaveCurrentState();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    SettingsValues& m_values;
    ProfileStore& m_profile;
};
