#pragma once
// A dialog from a template, modal or modeless, and the base of property
// pages. The dialog procedure keeps `this` in DWLP_USER from WM_INITDIALOG
// on and dispatches to small virtual handlers; commands and notifications
// arrive already unpacked. Data exchange is declared once in
// DoDataExchange and runs both ways: into the controls at opening, out of
// them (with validation) on OK.

#include <windows.h>

#include <string>
#include <string_view>

class DataExchange;

class CDialogBase {
public:
    explicit CDialogBase(int templateId) : m_templateId(templateId) {}
    virtual ~CDialogBase();
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;

    HWND Handle() const { return m_hWnd; }
    int TemplateId() const { return m_templateId; }

    INT_PTR DoModal(HWND parent);
    bool CreateModeless(HWND parent);

    // Called by the application's message loop for messages bound for this
    // dialog or its controls; true when the message was used up.
    virtual bool PreTranslateMessage(MSG* msg);

    // Controls. Texts are Shift-JIS of any length.
    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, std::string_view text) const;
    void SetItemInt(int id, int value) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked) const;
    void EnableItem(int id, bool enable) const;
    bool IsItemEnabled(int id) const;
    // Up-down control `id`: its range, and the buddy's number with it.
    void SetUpDownRange(int id, int low, int high) const;
    // Drop-down lists: -1 for no selection.
    void AddComboItem(int id, std::string_view text) const;
    int ComboSelection(int id) const;
    void SetComboSelection(int id, int index) const;
    // List boxes: -1 for no selection.
    int ListCount(int id) const;
    int ListSelection(int id) const;
    void SetListSelection(int id, int index) const;
    std::string ListText(int id, int index) const;
    void InsertListItem(int id, int index, std::string_view text) const;
    void DeleteListItem(int id, int index) const;
    // Focus on a control, its text selected.
    void FocusAndSelect(int id) const;

    // A message box owned by this dialog, captioned with the application's
    // title; the button pressed.
    int ShowMessage(std::string_view text, UINT type = MB_OK) const;

    // Runs the data exchange: into the controls (save false) or out of them
    // with validation (save true). False when a field was refused.
    bool UpdateData(bool save);
    // Reads and checks the controls without handing anything over.
    bool CheckData();

protected:
    virtual INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    // By default fills the controls from the members.
    virtual BOOL OnInitDialog();
    // True when the command was handled. IDOK and IDCANCEL go to OnOK and
    // OnCancel.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // The notification's result.
    virtual LRESULT OnNotify(UINT id, NMHDR* header);
    // Reads and checks the controls, then ends with IDOK.
    virtual void OnOK();
    virtual void OnCancel() { End(IDCANCEL); }
    virtual void DoDataExchange(DataExchange&) {}
    // A refused field: the message box, then the focus on the field with its
    // text selected.
    virtual void OnValidateError(int id, const std::string& message);

    // Ends a modal dialog with `result`, or destroys a modeless one.
    void End(INT_PTR result);
    // Result of a message whose value is not the procedure's return value.
    INT_PTR SetMsgResult(LRESULT result);

    // Binds `self` to window `wnd`; the procedure of property pages uses it.
    static void Attach(HWND wnd, CDialogBase* self);
    static INT_PTR Dispatch(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND m_hWnd = nullptr;

private:
    friend class DataExchange;
    static INT_PTR CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    int m_templateId;
    bool m_modal = false;
};
