#pragma once
// Drives the modal dialogs, sheets and message boxes of this thread from
// inside their own loops. A script is a list of steps; each waits until the
// active window carries its caption (and is not disabled behind a window of
// its own), then acts on it: types, presses, reads. A script that waits in
// vain for ten seconds fails the test and cancels what is open, so a test
// never hangs.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace wt {

// The window a step acts on. Controls are found by id in the window or,
// for a property sheet, in its shown page.
class ScriptWindow {
public:
    explicit ScriptWindow(HWND wnd) : m_wnd(wnd) {}
    HWND Handle() const { return m_wnd; }
    HWND Item(int id) const;

    std::string Caption() const;
    std::string Text(int id) const;
    // A message box's text.
    std::string MessageText() const { return Text(0xFFFF); }
    // Replaces a field's text, as typing it does (the field is told).
    void Type(int id, const std::string& text) const;
    // Posts the click of a button; it runs once the step returns.
    void Press(int id) const;
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    // The control that has the focus, and an edit's selection.
    HWND Focus() const { return GetFocus(); }
    DWORD Selection(int id) const;
    // Shows page `index` of a property sheet.
    void ShowPage(int index) const;
    // The owner of a message box or dialog.
    HWND Owner() const { return GetWindow(m_wnd, GW_OWNER); }
    // The texts of its controls but icons, in order; its buttons' ids; the
    // icon it shows.
    std::vector<std::string> Texts() const;
    std::vector<int> ButtonIds() const;
    HICON Icon() const;
    bool HasText(const std::string& text) const;

private:
    HWND m_wnd;
};

class ModalScript {
public:
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    using Step = std::function<void(ScriptWindow&)>;
    // Waits for an active window titled `caption`, then runs `step`.
    ModalScript& On(const std::string& caption, Step step);
    // A message box of the program: captioned with the application title.
    ModalScript& OnMessage(Step step);

    bool Done() const { return m_steps.empty(); }

private:
    struct Pending {
        std::string caption;
        Step step;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void RunReadyStep();
    // A modal window that opens when no step is left fails the test and is
    // cancelled, so an unexpected question never hangs it.
    void FailOnStray(ScriptWindow& window);

    std::deque<Pending> m_steps;
    UINT_PTR m_timer = 0;
    DWORD m_waitingSince = 0;
    bool m_aborting = false;
    HWND m_stray = nullptr;
    DWORD m_straySince = 0;
};

}  // namespace wt
