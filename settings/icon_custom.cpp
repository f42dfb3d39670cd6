#include "settings/icon_custom.h"

#include "config/records.h"
#include "dialogs/large_icon_state.h"
#include "res/resource.h"
#include "config/bar_settings.h"
#include "win/data_exchange.h"

CIconCustom::CIconCustom(BarSettings& settings)
    : CPropertyPage(IDD_ICONCUSTOM), m_settings(settings) {}

void CIconCustom::DoDataExchange(DataExchange& dx) {
    dx.UInt(IDC_ICONCUSTOM_SIZE, m_settings.btnSize, kMinButtonSize, kMaxButtonSize,
            IDC_ICONCUSTOM_SIZE_SPIN);
    dx.CheckBit(IDC_ICONCUSTOM_SAME, m_settings.option, OPT_SAMEALLPAGES);
    dx.CheckBit(IDC_ICONCUSTOM_FIT, m_settings.option, OPT_FITICON);
    dx.CheckBit(IDC_ICONCUSTOM_LARGE, m_settings.option, OPT_LARGEICON);
}

BOOL CIconCustom::OnInitDialog() {
    const BOOL result = CPropertyPage::OnInitDialog();
    UpdateLargeIconState();
    if (!IsChecked(IDC_ICONCUSTOM_SAME)) EnableSizeControls(false);
    return result;
}

bool CIconCustom::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED && id == IDC_ICONCUSTOM_SAME) {
        EnableSizeControls(IsChecked(IDC_ICONCUSTOM_SAME));
        return true;
    }
    if (code == BN_CLICKED && id == IDC_ICONCUSTOM_FIT) {
        UpdateLargeIconState();
        return true;
    }
    return CPropertyPage::OnCommand(id, code, control);
}

void CIconCustom::UpdateLargeIconState() {
    UpdateLargeIconBox(*this, IDC_ICONCUSTOM_FIT, IDC_ICONCUSTOM_LARGE);
}

void CIconCustom::EnableSizeControls(bool on) {
    for (int id : {IDC_ICONCUSTOM_LARGE, IDC_ICONCUSTOM_FIT, IDC_ICONCUSTOM_SIZE_SPIN,
                   IDC_ICONCUSTOM_SIZE_GROUP, IDC_ICONCUSTOM_RANGE, IDC_ICONCUSTOM_ICON_GROUP,
                   IDC_ICONCUSTOM_SIZE})
        EnableItem(id, on);
    if (on) UpdateLargeIconState();
}
