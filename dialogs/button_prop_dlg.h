#pragma once
// The button properties dialog: title, full path, start directory,
// parameters, start-up window size and icon of one button. It works on a
// copy of a ButtonEntry and stores nothing itself.

#include <windows.h>

#include <string>

#include "buttons/load_icon.h"
#include "config/records.h"
#include "dialogs/icon_preview.h"
#include "win/dialog_base.h"

class CButtonPropDlg : public CDialogBase {
public:
    CButtonPropDlg();

    void SetEntry(const ButtonEntry& entry);
    // The values after OK; every text but the parameters without the white
    // space at its ends.
    void GetEntry(ButtonEntry& entry);

    // The title bar's text, set before opening.
    std::string m_caption;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    void ShowIcon();
    // Icon `index` of `source` in the preview; an empty source clears it.
    void ShowIconOf(const std::string& source, int index);
    void OnPathChanged();
    void OnBrowse();
    void OnChangeIcon();

    // What the fields show, exchanged with them field by field.
    ButtonEntry m_entry;
    CLoadIcon m_loader;
    CIconPreview m_preview;
    // True while the dialog fills the fields itself.
    bool m_filling = false;
};

// Runs the dialog over `owner` with `caption` on `entry`; true and the new
// values in `entry` after OK, `entry` untouched otherwise.
bool EditButtonEntry(HWND owner, const std::string& caption, ButtonEntry& entry);
