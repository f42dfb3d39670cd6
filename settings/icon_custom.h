#pragma once
// The button appearance page: whether one size and one icon setting serve
// every page, and that common setting.

#include "win/property_page.h"

class CIconCustom : public CPropertyPage {
public:
    CIconCustom();

    // Keeps the bits of `option` this page owns: 0x20, 0x40 and 0x80.
    void SetIconFlags(int option);

    int m_iconFlags = 0;
    int m_btnSize = 0;  // 15..50

    int IconFlagsFromChecks() const;
    void UpdateLargeIconState();
    void EnableSizeControls(bool on);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;
    void OnApply() override;
};
