#pragma once
// The button appearance page: whether one size and one icon setting serve
// every page, and that common setting.

#include "win/property_page.h"

struct SettingsValues;

class CIconCustom : public CPropertyPage {
public:
    // Shows the common size (15..50) and icon bits of `values`.
    explicit CIconCustom(SettingsValues& values);

    void UpdateLargeIconState();
    void EnableSizeControls(bool on);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    SettingsValues& m_values;
};
