#include "bar/input_rules.h"

#include "core/sjis.h"

KeyAction KeyActionFor(int key, bool vertical) {
    const bool across =
        vertical ? (key == kVkLeft || key == kVkRight) : (key == kVkUp || key == kVkDown);
    if (across) return {KeyAction::MoveFocus, 0};
    if (key >= kVkF1 && key <= kVkF10) return {KeyAction::SwitchPage, key - kVkF1 + 1};
    if (key == kVkF11) return {KeyAction::PageMenu, 0};
    if (key == kVkEscape) return {KeyAction::BarMenu, 0};
    return {};
}

int FocusTarget(int index, int key, int count, int lines) {
    if (count <= 0 || index < 0) return -1;
    if (lines < 1) lines = 1;
    const long long perLine = (static_cast<long long>(count) + lines - 1) / lines;
    const bool back = key == kVkUp || key == kVkLeft;
    const long long target = back ? index - perLine : index + perLine;
    return target >= 0 && target < count ? static_cast<int>(target) : -1;
}

DoubleClickAction DoubleClickActionFor(int pageCount, int curPage) {
    if (pageCount == 2) return {DoubleClickAction::SwitchPage, curPage == 1 ? 2 : 1};
    if (pageCount > 2) return {DoubleClickAction::PageMenu, 0};
    return {};
}

bool DropOnStrip(int x, int y, bool vertical, int stripExtent) {
    return (vertical ? y : x) < stripExtent;
}

int KeyNameToVirtualKey(std::string_view name) {
    if (name.size() == 1) return name[0] >= 'A' && name[0] <= 'Z' ? name[0] : 0;
    if (name.size() < 2 || name[0] != 'F') return 0;
    const int n = sjis::ParseDecimal(name.substr(1));
    return n >= 1 && n <= 13 ? 111 + n : 0;
}

int HotKeyModifiers(int sysKey) {
    return sysKey & 0x07;
}
