#include "dialogs/button_size_dlg.h"

#include "dialogs/large_icon_state.h"
#include "res/resource.h"
#include "win/data_exchange.h"

CButtonSizeDlg::CButtonSizeDlg() : CDialogBase(IDD_BUTTON_SIZE) {}

void CButtonSizeDlg::DoDataExchange(DataExchange& dx) {
    dx.Int(IDC_SIZE_EDIT, m_size, kMinButtonSize, kMaxButtonSize, IDC_SIZE_SPIN);
    // A mark in the disabled large-icon box still counts.
    dx.CheckBit(IDC_SIZE_FIT, m_iconFlags, OPT_FITICON);
    dx.CheckBit(IDC_SIZE_LARGE, m_iconFlags, OPT_LARGEICON);
}

BOOL CButtonSizeDlg::OnInitDialog() {
    CDialogBase::OnInitDialog();
    UpdateLargeIconState();
    return TRUE;
}

bool CButtonSizeDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_SIZE_FIT && code == BN_CLICKED) {
        UpdateLargeIconState();
        return true;
    }
    return CDialogBase::OnCommand(id, code, control);
}

void CButtonSizeDlg::UpdateLargeIconState() {
    UpdateLargeIconBox(*this, IDC_SIZE_FIT, IDC_SIZE_LARGE);
}
