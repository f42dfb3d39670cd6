#include "settings/opt_dlg.h"

#include "config/bar_settings.h"
#include "res/resource.h"
#include "win/data_exchange.h"

namespace {

// The page's boxes, each one bit of the display word.
void ExchangeBoxes(DataExchange& dx, int& bits) {
    dx.CheckBit(IDC_OPT_DATE, bits, OPT_DATE);
    dx.CheckBit(IDC_OPT_TIME, bits, OPT_TIME);
    dx.CheckBit(IDC_OPT_VERTICAL, bits, OPT_VERTICAL);
    dx.CheckBit(IDC_OPT_TOPMOST, bits, OPT_TOPMOST);
}

}  // namespace

COptDlg::COptDlg(BarSettings& settings, ProfileStore& profile, const RECT& window)
    : CPropertyPage(IDD_OPT), m_settings(settings), m_profile(profile), m_window(window) {}

void COptDlg::DoDataExchange(DataExchange& dx) {
    ExchangeBoxes(dx, m_settings.option);
}

BOOL COptDlg::OnInitDialog() {
    const BOOL result = CPropertyPage::OnInitDialog();
    OnVertical();
    return result;
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

int COptDlg::CheckedBits() {
    int bits = 0;
    DataExchange dx(*this, true);
    ExchangeBoxes(dx, bits);
    dx.Commit();
    return bits;
}

void COptDlg::SaveCurrentState() {
    const SavedState state = SavedStateFor(m_window.left, m_window.top, CheckedBits());
    WriteSavedState(m_profile, state);
    m_settings.saved = state;
}
