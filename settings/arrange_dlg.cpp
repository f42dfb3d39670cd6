#include "settings/arrange_dlg.h"

#include "res/resource.h"
#include "settings/settings_values.h"
#include "win/data_exchange.h"

namespace {
constexpr int kMinPages = 1;
constexpr int kMaxPages = 20;
}  // namespace

CArrangeDlg::CArrangeDlg(SettingsValues& values) : CPropertyPage(IDD_ARRANGE), m_values(values) {}

void CArrangeDlg::DoDataExchange(DataExchange& dx) {
    dx.UInt(IDC_ARRANGE_COUNT, m_values.pageCount, kMinPages, kMaxPages, IDC_ARRANGE_COUNT_SPIN);
}
