#pragma once
// "ｱｲｺﾝの変更": picks a button's icon, a source file and a number in it,
// stepping through the file's icons one at a time. An empty icon file
// means the target's own icons.

#include <string>

#include "buttons/load_icon.h"
#include "dialogs/icon_preview.h"
#include "win/dialog_base.h"

class CIconSelectDlg : public CDialogBase {
public:
    CIconSelectDlg();

    // Set before opening; after OK they hold the choice. The file is
    // handed back as typed.
    int m_iconIndex = 0;
    std::string m_appPath;
    std::string m_iconFile;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    const std::string& IconSource() const { return m_iconFile.empty() ? m_appPath : m_iconFile; }
    // Shows icon `index` of the loader's file and takes its number, when
    // the file has it.
    void StepTo(int index);
    void OnBrowse();
    void OnDefaultIcon();
    void RefreshIcon();
    void OnFileEdited();
    // Fills the file field without taking it for the user's typing.
    void FillFileField();

    CLoadIcon m_loader;
    CIconPreview m_preview;
    bool m_filling = false;
};
