#include "settings/icon_custom.h"

#include "config/records.h"
#include "dialogs/large_icon_state.h"
#include "res/resource.h"
#include "settings/option_checks.h"
#include "settings/settings_values.h"
#include "win/data_exchange.h"

CIconCustom::CIconCustom(SettingsValues& values)
    : CPropertyPage(IDD_ICONCUSTOM), m_values(values) {}

void CIconCustom::DoDataExchange(DataExchange& dx) {
    dx.UInt(IDC_ICONCUSTOM_SIZE, m_values.btnSize, kMinButtonSize, kMaxButtonSize,
            IDC_ICONCUSTOM_SIZE_SPIN);
}

BOOL CIconCustom::OnInitDialog() {
    const BOOL result = CPropertyPage::OnInitDialog();
    const ButtonChecks checks = ButtonChecksOf(m_values.iconFlags);
    SetChecked(IDC_ICONCUSTOM_SAME, checks.sameAllPages);
    SetChecked(IDC_ICONCUSTOM_FIT, checks.fitIcon);
    SetChecked(IDC_ICONCUSTOM_LARGE, checks.largeIcon);
    UpdateLargeIconState();
    if (!checks.sameAllPages) EnableSizeControls(false);
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

int CIconCustom::IconFlagsFromChecks() const {
    return ::IconFlagsFromChecks({IsChecked(IDC_ICONCUSTOM_SAME), IsChecked(IDC_ICONCUSTOM_FIT),
                                  IsChecked(IDC_ICONCUSTOM_LARGE)});
}

void CIconCustom::OnApply() {
    m_values.iconFlags = IconFlagsFromChecks();
}
