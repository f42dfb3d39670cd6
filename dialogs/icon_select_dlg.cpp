#include "dialogs/icon_select_dlg.h"

#include "core/sjis.h"
#include "dialogs/open_file_dialog.h"
#include "res/resource.h"
#include "res/texts.h"
#include "win/data_exchange.h"

CIconSelectDlg::CIconSelectDlg() : CDialogBase(IDD_ICON_SELECT) {
    m_loader.SetSmall(0);
}

void CIconSelectDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_ICON_FILE, m_iconFile);
}

BOOL CIconSelectDlg::OnInitDialog() {
    m_preview.Attach(Item(IDC_ICON_PREVIEW));
    FillFileField();
    m_loader.SetFile(IconSource());
    if (m_iconIndex < 0 || m_iconIndex >= m_loader.GetCount()) m_iconIndex = 0;
    m_preview.Show(m_loader.GetIcon(m_iconIndex));
    return TRUE;
}

void CIconSelectDlg::FillFileField() {
    m_filling = true;
    UpdateData(false);
    m_filling = false;
}

bool CIconSelectDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
        case IDC_ICON_NEXT:
            // No wrap at either end: the last and the first icon stay.
            if (m_loader.GetCount() > m_iconIndex + 1) StepTo(m_iconIndex + 1);
            return true;
        case IDC_ICON_PREV:
            if (m_iconIndex - 1 >= 0) StepTo(m_iconIndex - 1);
            return true;
        case IDC_ICON_BROWSE:
            OnBrowse();
            return true;
        case IDC_ICON_DEFAULT:
            OnDefaultIcon();
            return true;
        case IDC_ICON_FILE:
            if (code == EN_UPDATE && !m_filling) OnFileEdited();
            return true;
    }
    return CDialogBase::OnCommand(id, code, control);
}

void CIconSelectDlg::StepTo(int index) {
    UniqueIcon icon = m_loader.GetIcon(index);
    if (!icon) return;
    m_preview.Show(std::move(icon));
    m_iconIndex = index;
}

void CIconSelectDlg::OnBrowse() {
    std::string path;
    if (!ChooseOpenFile(m_hWnd, TXT_ICON_FILTER, TXT_ICON_PATTERN, path)) return;
    // The target's own icons need no icon file.
    m_iconFile = sjis::EqualsNoCase(path, m_appPath) ? std::string() : path;
    m_iconIndex = 0;
    RefreshIcon();
}

void CIconSelectDlg::OnDefaultIcon() {
    m_iconIndex = 0;
    m_iconFile.clear();
    RefreshIcon();
}

void CIconSelectDlg::RefreshIcon() {
    FillFileField();
    m_loader.SetFile(IconSource());
    // A source without the icon leaves the picture as it was.
    if (UniqueIcon icon = m_loader.GetIcon(m_iconIndex)) m_preview.Show(std::move(icon));
}

void CIconSelectDlg::OnFileEdited() {
    m_iconIndex = 0;
    m_loader.SetFile(ItemText(IDC_ICON_FILE));
    m_preview.Show(m_loader.GetIcon(0));
}
