#pragma once
// The pages page: the number of pages in use, 1..20. The sheet applies it.

#include "win/property_page.h"

class CArrangeDlg : public CPropertyPage {
public:
    CArrangeDlg();

    int m_pageCount = 0;

protected:
    void DoDataExchange(DataExchange& dx) override;
};
