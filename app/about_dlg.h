#pragma once
// The version box.

#include "win/dialog_base.h"
#include "res/resource.h"

class CAboutDlg : public CDialogBase {
public:
    CAboutDlg() : CDialogBase(IDD_ABOUTBOX) {}
};
