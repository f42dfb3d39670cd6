#pragma once
// Watches the pop-up menus this thread tracks: records each menu's items and
// the menu window's place, then presses the keys the test asked for, which
// choose an item or close the menu.

#include <windows.h>

#include <string>
#include <vector>

namespace wt {

struct MenuItem {
    UINT id = 0;
    std::string text;
    UINT state = 0;  // MF_CHECKED, MF_SEPARATOR, MF_GRAYED ...
    bool Separator() const { return (state & MF_SEPARATOR) != 0; }
    bool Checked() const { return (state & MF_CHECKED) != 0; }
};

struct TrackedMenu {
    std::vector<MenuItem> items;
    RECT rect{};  // the menu window on the screen
};

std::vector<MenuItem> ReadMenu(HMENU menu);

class MenuWatcher {
public:
    // Each key is posted as WM_KEYDOWN (or WM_CHAR for a digit or letter)
    // once the menu waits for input; with no keys the menu is closed by Esc.
    explicit MenuWatcher(std::vector<UINT> keys = {});
    ~MenuWatcher();
    MenuWatcher(const MenuWatcher&) = delete;
    MenuWatcher& operator=(const MenuWatcher&) = delete;

    const std::vector<TrackedMenu>& Menus() const { return m_menus; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
    void OnMessage(const CWPSTRUCT& msg);

    HHOOK m_hook = nullptr;
    std::vector<UINT> m_keys;
    std::vector<TrackedMenu> m_menus;
    bool m_pressed = false;
};

}  // namespace wt
