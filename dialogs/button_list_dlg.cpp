#include "dialogs/button_list_dlg.h"

#include "config/entry_text.h"
#include "config/launcher_store.h"
#include "config/page_edits.h"
#include "dialogs/button_prop_dlg.h"
#include "dialogs/button_size_dlg.h"
#include "res/resource.h"
#include "res/texts.h"
#include "win/data_exchange.h"

CButtonListDlg::CButtonListDlg(LauncherStore& store)
    : CDialogBase(IDD_BUTTON_LIST), m_store(store) {}

void CButtonListDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_LIST_PAGE_NAME, m_pageName);
    dx.LeadingInt(IDC_LIST_LINES, m_lineCount, kMinLineCount, kMaxLineCount, IDC_LIST_LINES_SPIN,
                  TXT_LINE_COUNT_RANGE);
}

INT_PTR CButtonListDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) FreeEntries();
    return CDialogBase::HandleMessage(msg, wp, lp);
}

BOOL CButtonListDlg::OnInitDialog() {
    // An empty page name never shows: the page's default stands in.
    if (m_pageName.empty()) m_pageName = DefaultPageName(m_page);
    CDialogBase::OnInitDialog();
    FreeEntries();
    LoadEntries();
    // The page's own size is not in force while one setting serves all.
    if (m_option & OPT_SAMEALLPAGES) EnableItem(IDC_LIST_PAGE_SETTINGS, false);
    return TRUE;
}

void CButtonListDlg::LoadEntries() {
    for (const ButtonEntry& entry : LoadPageButtons(m_store, m_page, m_setup)) {
        m_entries.Append(entry);
        InsertListItem(IDC_LIST_BUTTONS, -1, EntryText(entry));
    }
    m_lineCount = m_setup.LineCount;
    SetItemInt(IDC_LIST_LINES, m_lineCount);
}

void CButtonListDlg::FreeEntries() {
    m_entries.Clear();
    SendDlgItemMessageA(m_hWnd, IDC_LIST_BUTTONS, LB_RESETCONTENT, 0, 0);
}

bool CButtonListDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
        case IDC_LIST_UP:
            OnMoveUp();
            return true;
        case IDC_LIST_DOWN:
            OnMoveDown();
            return true;
        case IDC_LIST_ADD:
            OnAddButton();
            return true;
        case IDC_LIST_EDIT:
            OnEditButton();
            return true;
        case IDC_LIST_DELETE:
            OnDeleteButton();
            return true;
        case IDC_LIST_PAGE_SETTINGS:
            OnPageButtonSettings();
            return true;
        case IDC_LIST_BUTTONS:
            if (code == LBN_DBLCLK) OnEditButton();
            return true;
    }
    return CDialogBase::OnCommand(id, code, control);
}

int CButtonListDlg::Selection() const {
    return ListSelection(IDC_LIST_BUTTONS);
}

bool CButtonListDlg::Refuse(ListProblem problem) const {
    if (problem == ListProblem::None) return false;
    ShowMessage(ListProblemText(problem));
    return true;
}

void CButtonListDlg::SetLine(int line, const ButtonEntry& entry) {
    // The new text goes in first, then the old line, now one lower, goes.
    InsertListItem(IDC_LIST_BUTTONS, line, EntryText(entry));
    DeleteListItem(IDC_LIST_BUTTONS, line + 1);
}

void CButtonListDlg::MoveSelected(int to) {
    if (to < 0) return;
    const int from = Selection();
    SetLine(from, m_entries.At(from));
    SetLine(to, m_entries.At(to));
    SetListSelection(IDC_LIST_BUTTONS, to);
}

void CButtonListDlg::OnMoveUp() {
    if (Refuse(CheckSelected(ListCount(IDC_LIST_BUTTONS), Selection()))) return;
    MoveSelected(m_entries.MoveUp(Selection()));
}

void CButtonListDlg::OnMoveDown() {
    if (Refuse(CheckSelected(ListCount(IDC_LIST_BUTTONS), Selection()))) return;
    MoveSelected(m_entries.MoveDown(Selection()));
}

void CButtonListDlg::OnAddButton() {
    ButtonEntry entry;
    if (!EditButtonEntry(m_hWnd, TXT_CAPTION_REGISTER, entry)) return;
    const int line = m_entries.Insert(Selection(), entry);
    InsertListItem(IDC_LIST_BUTTONS, line, EntryText(entry));
    SetListSelection(IDC_LIST_BUTTONS, line);
}

void CButtonListDlg::OnEditButton() {
    if (Refuse(CheckSelected(ListCount(IDC_LIST_BUTTONS), Selection()))) return;
    const int line = Selection();
    ButtonEntry entry = m_entries.At(line);
    if (!EditButtonEntry(m_hWnd, TXT_CAPTION_EDIT, entry)) return;
    m_entries.Replace(line, entry);
    SetLine(line, entry);
    SetListSelection(IDC_LIST_BUTTONS, line);
}

void CButtonListDlg::OnDeleteButton() {
    if (Refuse(CheckDeletable(ListCount(IDC_LIST_BUTTONS), Selection()))) return;
    if (ShowMessage(TXT_ASK_DELETE_LISTED, MB_OKCANCEL) != IDOK) return;
    const int line = Selection();
    m_entries.Remove(line);
    DeleteListItem(IDC_LIST_BUTTONS, line);
    SetListSelection(IDC_LIST_BUTTONS, -1);
}

void CButtonListDlg::OnPageButtonSettings() {
    CButtonSizeDlg dlg;
    dlg.SetIconFlags(m_setup.IconFlags);
    dlg.m_size = m_setup.ButtonSize;
    if (dlg.DoModal(m_hWnd) != IDOK) return;
    m_setup.ButtonSize = dlg.m_size;
    m_setup.IconFlags = dlg.m_iconFlags;
}

void CButtonListDlg::OnOK() {
    // Every field is checked before anything is written, so a refusal
    // leaves the store as it was and Cancel still means "nothing".
    if (!UpdateData(true)) return;
    m_setup.LineCount = m_lineCount;
    StoreEntries();
    if (m_pageName.empty()) m_pageName = DefaultPageName(m_page);
    End(IDOK);
}

void CButtonListDlg::StoreEntries() {
    // Buttons are numbered by their line: moves and deletions renumber.
    StorePageButtons(m_store, m_page, m_setup, m_entries.Entries());
}
