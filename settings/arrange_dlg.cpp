#include "settings/arrange_dlg.h"

#include "res/resource.h"
#include "config/bar_settings.h"
#include "win/data_exchange.h"

namespace {
constexpr int kMinPages = 1;
constexpr int kMaxPages = 20;
}  // namespace

CArrangeDlg::CArrangeDlg(BarSettings& settings)
    : CPropertyPage(IDD_ARRANGE), m_settings(settings) {}

void CArrangeDlg::DoDataExchange(DataExchange& dx) {
    dx.UInt(IDC_ARRANGE_COUNT, m_settings.pageCount, kMinPages, kMaxPages, IDC_ARRANGE_COUNT_SPIN);
}
