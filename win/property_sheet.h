#pragma once
// A modal property sheet of pages without an Apply button.

#include <windows.h>

#include <string>
#include <vector>

class CPropertyPage;

class CPropertySheet {
public:
    explicit CPropertySheet(std::string caption) : m_caption(std::move(caption)) {}

    void AddPage(CPropertyPage& page) { m_pages.push_back(&page); }

    // True when the sheet was closed with OK.
    bool DoModal(HWND parent);

private:
    std::string m_caption;
    std::vector<CPropertyPage*> m_pages;
};
