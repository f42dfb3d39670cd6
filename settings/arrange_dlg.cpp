#include "settings/arrange_dlg.h"

#include "res/resource.h"
#include "win/data_exchange.h"

namespace {
constexpr int kMinPages = 1;
constexpr int kMaxPages = 20;
}  // namespace

CArrangeDlg::CArrangeDlg() : CPropertyPage(IDD_ARRANGE) {}

void CArrangeDlg::DoDataExchange(DataExchange& dx) {
    dx.UInt(IDC_ARRANGE_COUNT, m_pageCount, kMinPages, kMaxPages, IDC_ARRANGE_COUNT_SPIN);
}
