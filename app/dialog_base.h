#pragma once
// A dialog from a template, modal or modeless. The dialog procedure keeps
// `this` in DWLP_USER from WM_INITDIALOG on and forwards to HandleMessage,
// which returns TRUE for a handled message and FALSE for default handling.

#include <windows.h>

class CDialogBase {
public:
    explicit CDialogBase(int templateId) : m_templateId(templateId) {}
    virtual ~CDialogBase();
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;

    HWND Handle() const { return m_hWnd; }

    INT_PTR DoModal(HWND parent);
    bool CreateModeless(HWND parent);

    // Called by the application's message loop for messages bound for this
    // dialog or its controls; true when the message was used up.
    virtual bool PreTranslateMessage(MSG* msg);

protected:
    virtual INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    virtual BOOL OnInitDialog() { return TRUE; }
    // IDOK and IDCANCEL end a modal dialog by default.
    virtual void OnOK() { EndDialog(m_hWnd, IDOK); }
    virtual void OnCancel() { EndDialog(m_hWnd, IDCANCEL); }

    // Result of a message whose value is not the procedure's return value.
    INT_PTR SetMsgResult(LRESULT result);

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    int m_templateId;
};
