#include "win/dialog_base.h"

#include <commctrl.h>

#include <vector>

#include "res/resource.h"
#include "win/data_exchange.h"
#include "win/app_message.h"

CDialogBase::~CDialogBase() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

INT_PTR CDialogBase::DoModal(HWND parent) {
    m_modal = true;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent,
                           StaticProc, reinterpret_cast<LPARAM>(this));
}

bool CDialogBase::CreateModeless(HWND parent) {
    m_modal = false;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent,
                              StaticProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CDialogBase::PreTranslateMessage(MSG* msg) {
    return IsDialogMessageA(m_hWnd, msg) != FALSE;
}

void CDialogBase::End(INT_PTR result) {
    if (m_modal)
        EndDialog(m_hWnd, result);
    else
        DestroyWindow(m_hWnd);
}

INT_PTR CDialogBase::SetMsgResult(LRESULT result) {
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

bool CDialogBase::UpdateData(bool save) {
    DataExchange dx(*this, save);
    DoDataExchange(dx);
    dx.Commit();
    return !dx.Failed();
}

bool CDialogBase::CheckData() {
    DataExchange dx(*this, true);
    DoDataExchange(dx);
    return !dx.Failed();
}

BOOL CDialogBase::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialogBase::OnOK() {
    if (UpdateData(true)) End(IDOK);
}

bool CDialogBase::OnCommand(UINT id, UINT, HWND) {
    if (id == IDOK) return OnOK(), true;
    if (id == IDCANCEL) return OnCancel(), true;
    return false;
}

LRESULT CDialogBase::OnNotify(UINT, NMHDR*) {
    return 0;
}

void CDialogBase::OnValidateError(int id, const std::string& message) {
    ShowMessage(message);
    FocusAndSelect(id);
}

INT_PTR CDialogBase::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            return SetMsgResult(OnNotify(static_cast<UINT>(header->idFrom), header));
        }
    }
    return FALSE;
}

void CDialogBase::Attach(HWND wnd, CDialogBase* self) {
    self->m_hWnd = wnd;
    SetWindowLongPtrA(wnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
}

INT_PTR CDialogBase::Dispatch(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<CDialogBase*>(GetWindowLongPtrA(wnd, DWLP_USER));
    if (!self) return FALSE;
    INT_PTR result = FALSE;
    // An exception must not unwind through the platform's code.
    try {
        result = self->HandleMessage(msg, wp, lp);
    } catch (...) {
        result = FALSE;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(wnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}

INT_PTR CALLBACK CDialogBase::StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) Attach(wnd, reinterpret_cast<CDialogBase*>(lp));
    return Dispatch(wnd, msg, wp, lp);
}

// Controls

std::string CDialogBase::ItemText(int id) const {
    HWND item = Item(id);
    const int length = GetWindowTextLengthA(item);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(item, text.data(), length + 1);
    return std::string(text.data(), got > 0 ? got : 0);
}

void CDialogBase::SetItemText(int id, std::string_view text) const {
    SetDlgItemTextA(m_hWnd, id, std::string(text).c_str());
}

void CDialogBase::SetItemInt(int id, int value) const {
    SetItemText(id, std::to_string(value));
}

bool CDialogBase::IsChecked(int id) const {
    return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void CDialogBase::SetChecked(int id, bool checked) const {
    CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CDialogBase::EnableItem(int id, bool enable) const {
    EnableWindow(Item(id), enable);
}

bool CDialogBase::IsItemEnabled(int id) const {
    return IsWindowEnabled(Item(id)) != FALSE;
}

void CDialogBase::SetUpDownRange(int id, int low, int high) const {
    SendDlgItemMessageA(m_hWnd, id, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void CDialogBase::AddComboItem(int id, std::string_view text) const {
    SendDlgItemMessageA(m_hWnd, id, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

int CDialogBase::ComboSelection(int id) const {
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

void CDialogBase::SetComboSelection(int id, int index) const {
    SendDlgItemMessageA(m_hWnd, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int CDialogBase::ListCount(int id) const {
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, LB_GETCOUNT, 0, 0));
}

int CDialogBase::ListSelection(int id) const {
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, LB_GETCURSEL, 0, 0));
}

void CDialogBase::SetListSelection(int id, int index) const {
    SendDlgItemMessageA(m_hWnd, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string CDialogBase::ListText(int id, int index) const {
    const LRESULT length = SendDlgItemMessageA(m_hWnd, id, LB_GETTEXTLEN, index, 0);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got =
        SendDlgItemMessageA(m_hWnd, id, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

void CDialogBase::InsertListItem(int id, int index, std::string_view text) const {
    SendDlgItemMessageA(m_hWnd, id, LB_INSERTSTRING, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

void CDialogBase::DeleteListItem(int id, int index) const {
    SendDlgItemMessageA(m_hWnd, id, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void CDialogBase::FocusAndSelect(int id) const {
    HWND item = Item(id);
    SetFocus(item);
    SendMessageA(item, EM_SETSEL, 0, -1);
}

int CDialogBase::ShowMessage(std::string_view text, UINT type) const {
    return ShowAppMessage(m_hWnd, text, type);
}
