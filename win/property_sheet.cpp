#include "win/property_sheet.h"

#include "win/property_page.h"

bool CPropertySheet::DoModal(HWND parent) {
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : m_pages) pages.push_back(page->Description());
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hwndParent = parent;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    return PropertySheetA(&header) > 0;
}
