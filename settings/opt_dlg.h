#pragma once
// The display page: date, time, vertical layout and always on top, and the
// button that stores the bar's position and these bits as the saved state
// at once.

#include "win/property_page.h"

class ProfileStore;

class COptDlg : public CPropertyPage {
public:
    explicit COptDlg(ProfileStore& profile);

    // The bar's normal window rectangle and where "現在の状態を保存" puts
    // the saved state in the bar.
    void SetSavedStateTarget(const RECT& window, int* setX, int* setY, int* setOption);

    // On entry the bar's whole Option word; after OK the display bits only.
    int m_option = 0;

    int OptionFromChecks() const;
    void OnVertical();
    void SaveCurrentState();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnApply() override;

private:
    ProfileStore& m_profile;
    RECT m_window{};
    int* m_setX = nullptr;
    int* m_setY = nullptr;
    int* m_setOption = nullptr;
};
