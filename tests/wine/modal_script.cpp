#include "tests/wine/modal_script.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace wt {

namespace {
thread_local ModalScript* t_script = nullptr;
constexpr DWORD kPatienceMs = 10000;
// How long a modal window that no step waits for may stay open.
constexpr DWORD kStrayMs = 3000;

bool IsClass(HWND wnd, const char* name) {
    char cls[32] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    return lstrcmpiA(cls, name) == 0;
}

// A dialog or box of this thread that holds its owner disabled.
bool IsModal(HWND wnd) {
    HWND owner = GetWindow(wnd, GW_OWNER);
    return IsClass(wnd, "#32770") && IsWindowEnabled(wnd) && owner && !IsWindowEnabled(owner);
}

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND wnd, LPARAM lp) {
    auto* search = reinterpret_cast<Search*>(lp);
    if (GetDlgCtrlID(wnd) != search->id || !IsWindowVisible(wnd)) return TRUE;
    search->found = wnd;
    return FALSE;
}

bool IsIcon(HWND wnd) {
    return IsClass(wnd, "Static") && (GetWindowLongA(wnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

std::string WindowText(HWND wnd) {
    const int length = GetWindowTextLengthA(wnd);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(wnd, text.data(), static_cast<int>(text.size()));
    return text.data();
}
}  // namespace

HWND ScriptWindow::Item(int id) const {
    if (HWND item = GetDlgItem(m_wnd, id)) return item;
    Search search{id, nullptr};
    EnumChildWindows(m_wnd, FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ScriptWindow::Caption() const {
    return WindowText(m_wnd);
}

std::string ScriptWindow::Text(int id) const {
    return WindowText(Item(id));
}

void ScriptWindow::Type(int id, const std::string& text) const {
    SetWindowTextA(Item(id), text.c_str());
}

void ScriptWindow::Press(int id) const {
    HWND item = Item(id);
    PostMessageA(GetParent(item), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(item));
}

bool ScriptWindow::IsEnabled(int id) const {
    return IsWindowEnabled(Item(id)) != FALSE;
}

bool ScriptWindow::IsChecked(int id) const {
    return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

DWORD ScriptWindow::Selection(int id) const {
    return static_cast<DWORD>(SendMessageA(Item(id), EM_GETSEL, 0, 0));
}

std::vector<std::string> ScriptWindow::Texts() const {
    std::vector<std::string> texts;
    for (HWND c = GetWindow(m_wnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (!IsIcon(c)) texts.push_back(WindowText(c));
    return texts;
}

bool ScriptWindow::HasText(const std::string& text) const {
    for (const std::string& t : Texts())
        if (t == text) return true;
    return false;
}

std::vector<int> ScriptWindow::ButtonIds() const {
    std::vector<int> ids;
    for (HWND c = GetWindow(m_wnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsClass(c, "Button")) ids.push_back(GetDlgCtrlID(c));
    return ids;
}

HICON ScriptWindow::Icon() const {
    for (HWND c = GetWindow(m_wnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsIcon(c)) return reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
    return nullptr;
}

void ScriptWindow::ShowPage(int index) const {
    PostMessageA(m_wnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

ModalScript::ModalScript() {
    t_script = this;
    m_timer = SetTimer(nullptr, 0, 15, Tick);
    m_waitingSince = GetTickCount();
}

ModalScript::~ModalScript() {
    KillTimer(nullptr, m_timer);
    t_script = nullptr;
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " step(s) never ran; the next waited for \""
                                 << (m_steps.empty() ? "" : m_steps.front().caption) << "\"";
}

ModalScript& ModalScript::On(const std::string& caption, Step step) {
    m_steps.push_back({caption, std::move(step)});
    return *this;
}

ModalScript& ModalScript::OnMessage(Step step) {
    return On("Lumeq", std::move(step));
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (t_script) t_script->RunReadyStep();
}

void ModalScript::RunReadyStep() {
    HWND active = GetActiveWindow();
    if (m_aborting && active) PostMessageA(active, WM_COMMAND, IDCANCEL, 0);
    ScriptWindow window(active);
    if (m_steps.empty()) {
        FailOnStray(window);
        return;
    }
    if (active && IsWindowEnabled(active) && window.Caption() == m_steps.front().caption) {
        Step step = std::move(m_steps.front().step);
        m_steps.pop_front();
        m_waitingSince = GetTickCount();
        step(window);
        return;
    }
    if (GetTickCount() - m_waitingSince < kPatienceMs) return;
    ADD_FAILURE() << "no window \"" << m_steps.front().caption << "\" came; active: \""
                  << window.Caption() << "\"";
    m_steps.clear();
    m_aborting = true;
}

void ModalScript::FailOnStray(ScriptWindow& window) {
    if (m_aborting) return;
    if (!window.Handle() || !IsModal(window.Handle())) {
        m_stray = nullptr;
        return;
    }
    if (m_stray != window.Handle()) {
        m_stray = window.Handle();
        m_straySince = GetTickCount();
    }
    if (GetTickCount() - m_straySince < kStrayMs) return;
    ADD_FAILURE() << "\"" << window.Caption() << "\" opened after the last step; "
                  << "text: \"" << window.MessageText() << "\"";
    m_aborting = true;
}

}  // namespace wt
