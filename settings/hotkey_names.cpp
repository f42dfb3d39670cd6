#include "settings/hotkey_names.h"

namespace {

constexpr std::array<std::string_view, kHotKeyNameCount> kNames = {
    "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",   "K",   "L",  "M",
    "N",  "O",  "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",   "X",   "Y",  "Z",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};

char FoldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool BeginsWith(std::string_view line, std::string_view key) {
    if (key.size() > line.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (FoldAscii(line[i]) != FoldAscii(key[i])) return false;
    }
    return true;
}

}  // namespace

const std::array<std::string_view, kHotKeyNameCount>& HotKeyNames() {
    return kNames;
}

int FindKeyLine(std::string_view key) {
    for (std::size_t step = 1; step <= kNames.size(); ++step) {
        const std::size_t line = step % kNames.size();
        if (BeginsWith(kNames[line], key)) return static_cast<int>(line);
    }
    return -1;
}

std::string HotKeyLabel(const HotKeySetting& hotKey) {
    std::string label;
    if (hotKey.SysKey & kHotKeyAlt) label += "ALT + ";
    if (hotKey.SysKey & kHotKeyControl) label += "CONTROL + ";
    if (hotKey.SysKey & kHotKeyShift) label += "SHIFT + ";
    return label + hotKey.Key;
}
