#pragma once
// "ﾎﾞﾀﾝの追加と削除": the shown page's name, number of lines, buttons and
// own button size, edited on a working copy. OK writes the page setup and
// every button to the store; Cancel writes nothing.

#include <string>

#include "config/records.h"
#include "dialogs/button_work_list.h"
#include "win/dialog_base.h"

class LauncherStore;

class CButtonListDlg : public CDialogBase {
public:
    explicit CButtonListDlg(LauncherStore& store);

    // Set by the opener: the page (from 1), the bar's option bits and the
    // page's name. After OK the name is never empty.
    int m_page = 1;
    int m_option = 0;
    std::string m_pageName;

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOK() override;
    void DoDataExchange(DataExchange& dx) override;

private:
    void LoadEntries();
    void StoreEntries();
    void FreeEntries();
    void OnMoveUp();
    void OnMoveDown();
    void OnAddButton();
    void OnEditButton();
    void OnDeleteButton();
    void OnPageButtonSettings();
    // Shows the message of a problem; true when there was one.
    bool Refuse(ListProblem problem) const;
    int Selection() const;
    void SetLine(int line, const ButtonEntry& entry);
    void MoveSelected(int to);

    LauncherStore& m_store;
    PageSetup m_setup;
    ButtonWorkList m_entries;
    int m_lineCount = 1;
};
