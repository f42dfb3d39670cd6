#include "app/dialog_base.h"

CDialogBase::~CDialogBase() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

INT_PTR CDialogBase::DoModal(HWND parent) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent,
                           StaticProc, reinterpret_cast<LPARAM>(this));
}

bool CDialogBase::CreateModeless(HWND parent) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent,
                              StaticProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CDialogBase::PreTranslateMessage(MSG* msg) { return IsDialogMessageA(m_hWnd, msg) != FALSE; }

INT_PTR CDialogBase::SetMsgResult(LRESULT result) {
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CDialogBase::HandleMessage(UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) return OnInitDialog();
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        if (LOWORD(wp) == IDOK) return OnOK(), TRUE;
        if (LOWORD(wp) == IDCANCEL) return OnCancel(), TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK CDialogBase::StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<CDialogBase*>(GetWindowLongPtrA(wnd, DWLP_USER));
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogBase*>(lp);
        self->m_hWnd = wnd;
        SetWindowLongPtrA(wnd, DWLP_USER, lp);
    }
    if (!self) return FALSE;
    INT_PTR result = self->HandleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(wnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}
