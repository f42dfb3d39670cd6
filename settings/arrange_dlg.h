#pragma once
// The pages page: the number of pages in use, 1..20. The sheet applies it.

#include "win/property_page.h"

struct BarSettings;

class CArrangeDlg : public CPropertyPage {
public:
    explicit CArrangeDlg(BarSettings& settings);

protected:
    void DoDataExchange(DataExchange& dx) override;

private:
    BarSettings& m_settings;
};
