#pragma once
// The pages page: the number of pages in use, 1..20. The sheet applies it.

#include "win/property_page.h"

struct SettingsValues;

class CArrangeDlg : public CPropertyPage {
public:
    explicit CArrangeDlg(SettingsValues& values);

protected:
    void DoDataExchange(DataExchange& dx) override;

private:
    SettingsValues& m_values;
};
