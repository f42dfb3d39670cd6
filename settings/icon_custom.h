#pragma once
// The button appearance page: whether one size and one icon setting serve
// every page, and that common setting.

#include "win/property_page.h"

struct BarSettings;

class CIconCustom : public CPropertyPage {
public:
    // Shows the common size (15..50) and icon bits of `settings`.
    explicit CIconCustom(BarSettings& settings);

    void UpdateLargeIconState();
    void EnableSizeControls(bool on);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    BarSettings& m_settings;
};
