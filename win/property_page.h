#pragma once
// One page of a property sheet. Leaving the page (PSN_KILLACTIVE) and the
// sheet's OK (PSN_APPLY) run the same checks; a refused field keeps the
// sheet on this page with the focus on the field. Only OK hands the values
// to the page's members.

#include <windows.h>
#include <prsht.h>

#include "win/dialog_base.h"

class CPropertyPage : public CDialogBase {
public:
    explicit CPropertyPage(int templateId) : CDialogBase(templateId) {}

    // The page's description for the sheet; the page must outlive the sheet.
    PROPSHEETPAGEA Description();
    // True once the page was shown (its window made): only such pages have
    // anything to hand back.
    bool WasShown() const { return m_shown; }

protected:
    BOOL OnInitDialog() override;
    // The page's own step on the sheet's OK, after its fields were handed
    // over; runs only on pages that were shown.
    virtual void OnApply() {}
    LRESULT OnNotify(UINT id, NMHDR* header) override;

private:
    static INT_PTR CALLBACK PageProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    bool m_shown = false;
};
