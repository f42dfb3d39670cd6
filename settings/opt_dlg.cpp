#include "settings/opt_dlg.h"

#include "config/profile_store.h"
#include "res/resource.h"
#include "settings/option_checks.h"
#include "settings/sheet_store.h"

COptDlg::COptDlg(ProfileStore& profile) : CPropertyPage(IDD_OPT), m_profile(profile) {}

void COptDlg::SetSavedStateTarget(const RECT& window, int* setX, int* setY, int* setOption) {
    m_window = window;
    m_setX = setX;
    m_setY = setY;
    m_setOption = setOption;
}

BOOL COptDlg::OnInitDialog() {
    const DisplayChecks checks = DisplayChecksOf(m_option);
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
    const SavedState state = SavedStateFor(m_window.left, m_window.top, OptionFromChecks());
    WriteSavedState(m_profile, state);
    if (m_setX) *m_setX = state.x;
    if (m_setY) *m_setY = state.y;
    if (m_setOption) *m_setOption = state.option;
}

void COptDlg::OnApply() {
    m_option = OptionFromChecks();
}
