#include "win/property_page.h"

#include "win/sheet_fit.h"

PROPSHEETPAGEA CPropertyPage::Description() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.hInstance = GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

BOOL CPropertyPage::OnInitDialog() {
    m_shown = true;
    FitSheetToPage(m_hWnd, GetModuleHandleA(nullptr), TemplateId());
    return CDialogBase::OnInitDialog();
}

LRESULT CPropertyPage::OnNotify(UINT, NMHDR* header) {
    switch (header->code) {
        case PSN_KILLACTIVE:
            // TRUE keeps the sheet on this page. Only OK hands values over.
            return CheckData() ? FALSE : TRUE;
        case PSN_APPLY:
            if (!UpdateData(true)) return PSNRET_INVALID_NOCHANGEPAGE;
            OnApply();
            return PSNRET_NOERROR;
    }
    return 0;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    // A page's creation parameter is its description, which carries `this`.
    if (msg == WM_INITDIALOG)
        Attach(wnd, reinterpret_cast<CDialogBase*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam));
    return Dispatch(wnd, msg, wp, lp);
}
