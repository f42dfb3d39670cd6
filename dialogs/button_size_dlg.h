#pragma once
// "ﾎﾞﾀﾝの設定": one page's own button size and icon options.

#include "config/records.h"
#include "win/dialog_base.h"

class CButtonSizeDlg : public CDialogBase {
public:
    CButtonSizeDlg();

    // Keeps only the two icon bits of `flags`.
    void SetIconFlags(int flags) { m_iconFlags = flags & (OPT_FITICON | OPT_LARGEICON); }

    // Set before opening; after OK they hold the user's choice.
    int m_size = 34;
    int m_iconFlags = 0;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    // A fitted icon has no large variant: the box is disabled, its mark kept.
    void UpdateLargeIconState();
};
