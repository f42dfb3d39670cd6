#pragma once
// The lines of the hotkey page's key list, how a stored key name picks one,
// and how a combination is named in messages. No platform calls.

#include <array>
#include <string>
#include <string_view>

#include "config/records.h"

// "A".."Z", then "F1".."F12".
constexpr std::size_t kHotKeyNameCount = 38;
const std::array<std::string_view, kHotKeyNameCount>& HotKeyNames();

// The line whose text begins with `key` (ASCII letters in either case),
// searched from the second line to the end and then the first, so that
// "F1" picks "F1" rather than "F10"; -1 when none does. An empty key
// begins every line and picks the second.
int FindKeyLine(std::string_view key);

// "ALT + CONTROL + SHIFT + G": the modifiers set, then the key.
std::string HotKeyLabel(const HotKeySetting& hotKey);
