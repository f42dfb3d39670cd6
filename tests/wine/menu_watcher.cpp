#include "tests/wine/menu_watcher.h"

namespace wt {

std::vector<MenuItem> ReadMenu(HMENU menu) {
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MenuItem item;
        item.id = GetMenuItemID(menu, i);
        item.state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        char text[256] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        item.text = text;
        items.push_back(item);
    }
    return items;
}

namespace {
thread_local MenuWatcher* t_watcher = nullptr;
}

MenuWatcher::MenuWatcher(std::vector<UINT> keys) : m_keys(std::move(keys)) {
    t_watcher = this;
    m_hook = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
}

MenuWatcher::~MenuWatcher() {
    UnhookWindowsHookEx(m_hook);
    t_watcher = nullptr;
}

LRESULT CALLBACK MenuWatcher::Hook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && t_watcher) t_watcher->OnMessage(*reinterpret_cast<CWPSTRUCT*>(lp));
    return CallNextHookEx(nullptr, code, wp, lp);
}

void MenuWatcher::OnMessage(const CWPSTRUCT& msg) {
    if (msg.message == WM_INITMENUPOPUP) {
        m_menus.push_back(TrackedMenu{ReadMenu(reinterpret_cast<HMENU>(msg.wParam)), {}});
        m_pressed = false;
        return;
    }
    if (msg.message != WM_ENTERIDLE || msg.wParam != MSGF_MENU || m_pressed || m_menus.empty())
        return;
    m_pressed = true;
    GetWindowRect(reinterpret_cast<HWND>(msg.lParam), &m_menus.back().rect);
    std::vector<UINT> keys = m_keys.empty() ? std::vector<UINT>{VK_ESCAPE} : m_keys;
    for (UINT key : keys) {
        const bool character = (key >= '0' && key <= '9') || (key >= 'a' && key <= 'z');
        PostMessageA(msg.hwnd, character ? WM_CHAR : WM_KEYDOWN, key, 0);
    }
}

}  // namespace wt
