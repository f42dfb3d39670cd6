#include "dialogs/button_prop_dlg.h"

#include "core/sjis.h"
#include "dialogs/icon_select_dlg.h"
#include "dialogs/open_file_dialog.h"
#include "res/resource.h"
#include "res/texts.h"
#include "win/data_exchange.h"

CButtonPropDlg::CButtonPropDlg() : CDialogBase(IDD_BUTTON_PROP) {
    m_loader.SetSmall(0);
}

void CButtonPropDlg::SetEntry(const ButtonEntry& entry) {
    m_entry = entry;
}

void CButtonPropDlg::GetEntry(ButtonEntry& entry) {
    entry = m_entry;
    for (std::string* text : {&entry.Title, &entry.AppName, &entry.Dir, &entry.IconFile})
        *text = sjis::TrimWhite(*text);
}

void CButtonPropDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_PROP_TITLE, m_entry.Title);
    // A path of blanks only is no path.
    dx.FilledText(IDC_PROP_PATH, m_entry.AppName, TXT_NO_FULL_PATH);
    dx.Text(IDC_PROP_DIR, m_entry.Dir);
    dx.Text(IDC_PROP_PARM, m_entry.Parm);
    // A size outside the list leaves it without a selection, read as -1.
    dx.ComboIndex(IDC_PROP_SHOW, m_entry.ShowMode);
}

BOOL CButtonPropDlg::OnInitDialog() {
    m_preview.Attach(Item(IDC_PROP_ICON));
    for (const char* size : {TXT_SHOW_NORMAL, TXT_SHOW_MINIMIZED, TXT_SHOW_MAXIMIZED})
        AddComboItem(IDC_PROP_SHOW, size);
    m_filling = true;
    CDialogBase::OnInitDialog();
    m_filling = false;
    SetWindowTextA(m_hWnd, m_caption.c_str());
    ShowIcon();
    return TRUE;
}

bool CButtonPropDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
        case IDC_PROP_PATH:
            if (code == EN_UPDATE && !m_filling) OnPathChanged();
            return true;
        case IDC_PROP_BROWSE:
            OnBrowse();
            return true;
        case IDC_PROP_CHANGE_ICON:
            OnChangeIcon();
            return true;
    }
    return CDialogBase::OnCommand(id, code, control);
}

void CButtonPropDlg::ShowIcon() {
    ShowIconOf(m_entry.IconFile.empty() ? m_entry.AppName : m_entry.IconFile, m_entry.IconIndex);
}

void CButtonPropDlg::ShowIconOf(const std::string& source, int index) {
    m_loader.SetFile(source);
    // No path, no icon: the shell would offer a folder's for an empty name.
    if (sjis::TrimWhite(source).empty())
        m_preview.Show({});
    else
        m_preview.Show(m_loader.GetIcon(index));
}

void CButtonPropDlg::OnPathChanged() {
    // A chosen icon file is kept whatever the target becomes.
    if (!m_entry.IconFile.empty()) return;
    // The target's own icons: the new target's first one, so that what the
    // preview shows is what the button gets.
    m_entry.IconIndex = 0;
    ShowIconOf(ItemText(IDC_PROP_PATH), 0);
}

void CButtonPropDlg::OnBrowse() {
    std::string path;
    if (!ChooseOpenFile(m_hWnd, TXT_PROGRAM_FILTER, TXT_PROGRAM_PATTERN, path)) return;
    m_entry.AppName = path;
    SetItemText(IDC_PROP_PATH, m_entry.AppName);
}

void CButtonPropDlg::OnChangeIcon() {
    m_entry.AppName = ItemText(IDC_PROP_PATH);
    CIconSelectDlg dlg;
    dlg.m_appPath = m_entry.AppName;
    dlg.m_iconFile = m_entry.IconFile;
    dlg.m_iconIndex = m_entry.IconIndex;
    if (dlg.DoModal(m_hWnd) != IDOK) return;
    m_entry.IconFile = dlg.m_iconFile;
    m_entry.IconIndex = dlg.m_iconIndex;
    ShowIcon();
}

bool EditButtonEntry(HWND owner, const std::string& caption, ButtonEntry& entry) {
    CButtonPropDlg dlg;
    dlg.m_caption = caption;
    dlg.SetEntry(entry);
    if (dlg.DoModal(owner) != IDOK) return false;
    dlg.GetEntry(entry);
    return true;
}
