#pragma once
// What keys, double-clicks, drops and the hotkey record mean to the bar,
// decided without the platform.

#include <string_view>

// Virtual-key codes of the keys the bar answers.
constexpr int kVkEscape = 27;
constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;
constexpr int kVkF1 = 112;
constexpr int kVkF10 = 121;
constexpr int kVkF11 = 122;

struct KeyAction {
    enum Kind { None, MoveFocus, SwitchPage, PageMenu, BarMenu };
    Kind kind = None;
    int page = 0;  // for SwitchPage
    bool operator==(const KeyAction&) const = default;
};

// A key pressed while the bar has the keyboard. The arrows across the
// lines move the focus (Up and Down in the horizontal layout, Left and Right
// in the vertical one); F1 to F10 switch pages, F11 opens the page menu and
// Esc the bar's menu. Anything else is left to the dialog.
KeyAction KeyActionFor(int key, bool vertical);

// The button the focus moves to from `index` for an arrow key across the
// lines, or -1 when that lies outside the page's `count` buttons.
int FocusTarget(int index, int key, int count, int lines);

struct DoubleClickAction {
    enum Kind { None, SwitchPage, PageMenu };
    Kind kind = None;
    int page = 0;
    bool operator==(const DoubleClickAction&) const = default;
};

// Two pages alternate; more open the page menu; one does nothing.
DoubleClickAction DoubleClickActionFor(int pageCount, int curPage);

// True when a drop at client point (x, y) lands on the strip: the deciding
// coordinate is y in the vertical layout and x in the horizontal one.
bool DropOnStrip(int x, int y, bool vertical, int stripExtent);

// The platform's key code for a hotkey name: "A".."Z", or "F" and a number
// 1..13 read by the decimal conversion; 0 for anything else.
int KeyNameToVirtualKey(std::string_view name);

// The platform's hotkey modifiers for SysKey: Alt 1, Control 2, Shift 4.
int HotKeyModifiers(int sysKey);
