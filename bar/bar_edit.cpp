// Editing the shown page: a button's own edit and delete, and the
// add-and-remove dialog of command 100.

#include <algorithm>

#include "bar/bar_dlg.h"
#include "bar/tool_tip_text.h"
#include "buttons/bar_button.h"
#include "config/launcher_store.h"
#include "config/page_edits.h"
#include "dialogs/button_list_dlg.h"
#include "dialogs/button_prop_dlg.h"
#include "res/resource.h"
#include "res/texts.h"

bool CBarDlg::EditEntry(ButtonEntry& entry) {
    // Owned by the bar, which stays disabled meanwhile: the button being
    // edited cannot be deleted under the dialog.
    return EditButtonEntry(m_hWnd, TXT_CAPTION_EDIT, entry);
}

void CBarDlg::SaveButton(int page, int index, const ButtonEntry& entry) {
    ReplaceButton(m_store, page, index, entry);
}

void CBarDlg::UpdateButton(int index, const ButtonEntry& entry) {
    const UINT id = IDC_BAR_BUTTON_FIRST + static_cast<UINT>(index);
    HWND wnd = GetDlgItem(m_hWnd, static_cast<int>(id));
    const std::string name = ToolTipText(entry);
    m_toolTip.UpdateTipText(wnd, id, name);
    if (CBarButton* button = ButtonAt(wnd)) {
        button->SetName(name);
        button->LoadButtonIcon();
    }
}

void CBarDlg::DeleteButton(CBarButton* button) {
    auto found = std::find_if(m_buttons.begin(), m_buttons.end(),
                              [button](const auto& b) { return b.get() == button; });
    if (found != m_buttons.end())
        DeleteButtonAndMoveUp(m_store, m_settings.curPage, m_pageSetup,
                              static_cast<int>(found - m_buttons.begin()),
                              static_cast<int>(m_buttons.size()));
    Rebuild();
}

void CBarDlg::OnAddRemoveButtons() {
    CButtonListDlg dlg(m_store);
    dlg.m_page = m_settings.curPage;
    dlg.m_option = m_settings.option;
    dlg.m_pageName = m_store.LoadPageName(m_settings.curPage);
    // Owned by the bar: the page cannot change under the dialog.
    if (dlg.DoModal(m_hWnd) != IDOK) return;
    m_store.SavePageName(m_settings.curPage, dlg.m_pageName);
    Rebuild();
}
