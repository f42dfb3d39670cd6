#include "settings/opt_dlg.h"

#include "config/profile_store.h"
#include "res/resource.h"
#include "settings/option_checks.h"
#include "settings/settings_values.h"

COptDlg::COptDlg(SettingsValues& values, ProfileStore& profile)
    : CPropertyPage(IDD_OPT), m_values(values), m_profile(profile) {}

BOOL COptDlg::OnInitDialog() {
    const DisplayChecks checks = DisplayChecksOf(m_values.displayBits);
    SetChecked(IDC_OPT_DATE, checks.date);
    SetChecked(IDC_OPT_TIME, checks.time);
    SetChecked(IDC_OPT_VERTICAL, checks.vertical);
    SetChecked(IDC_OPT_TOPMOST, checks.topmost);
    OnVertical();
    return CPropertyPage::OnInitDialog();
}

bool COptDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return CPropertyPage::OnCommand(id, code, control);
    switch (id) {
        case IDC_OPT_VERTICAL:
            OnVertical();
            return true;
        case IDC_OPT_SAVE_STATE:
            SaveCurrentState();
            return true;
    }
    return CPropertyPage::OnCommand(id, code, control);
}

void COptDlg::OnVertical() {
    // The vertical bar shows no clock; the marks stay for a later change.
    const bool on = !IsChecked(IDC_OPT_VERTICAL);
    EnableItem(IDC_OPT_DATE, on);
    EnableItem(IDC_OPT_TIME, on);
}

int COptDlg::OptionFromChecks() const {
    return ::OptionFromChecks({IsChecked(IDC_OPT_DATE), IsChecked(IDC_OPT_TIME),
                               IsChecked(IDC_OPT_VERTICAL), IsChecked(IDC_OPT_TOPMOST)});
}

void COptDlg::SaveCurrentState() {
    const RECT& window = m_values.window;
    const SavedState state = SavedStateFor(window.left, window.top, OptionFromChecks());
    WriteSavedState(m_profile, state);
    m_values.savedState = state;
}

void COptDlg::OnApply() {
    m_values.displayBits = OptionFromChecks();
}
