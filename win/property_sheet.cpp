#include "win/property_sheet.h"

#include "win/property_page.h"

// The sheet runs modeless in a loop of its own, as the platform runs a
// modal one, except at its end: the owner is enabled and given the
// keyboard while the sheet still exists, as a dialog's end does. Destroyed
// first, the sheet took the keyboard with it (under Wine, to no window).
bool CPropertySheet::DoModal(HWND parent) {
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : m_pages) pages.push_back(page->Description());
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_MODELESS;
    header.hwndParent = parent;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (!sheet) return false;
    if (parent) EnableWindow(parent, FALSE);
    MSG msg;
    // The sheet has no current page once OK or Cancel has ended it.
    while (PropSheet_GetCurrentPageHwnd(sheet)) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (PropSheet_IsDialogMessage(sheet, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    const bool ok = PropSheet_GetResult(sheet) > 0;
    if (!parent) {
        DestroyWindow(sheet);
        return ok;
    }
    EnableWindow(parent, TRUE);
    SetForegroundWindow(parent);
    DestroyWindow(sheet);
    return ok;
}
