#pragma once
// The values the settings sheet edits: copied from the bar when the sheet
// opens, changed by the pages on OK, and applied to the bar once after the
// sheet has closed.

#include <windows.h>

#include <optional>

#include "config/records.h"
#include "settings/sheet_store.h"

struct SettingsValues {
    int displayBits = 0;  // bits 0x01 to 0x08
    int iconFlags = 0;    // bits 0x20, 0x40 and 0x80
    int btnSize = 0;
    COLORREF bkColor = 0;
    COLORREF textColor = 0;
    LOGFONTA clockFont{};  // as stored: sizes at 96 DPI, height 0 the default
    int pageCount = 1;
    HotKeySetting hotKey;
    // The bar's normal rectangle, for "現在の状態を保存".
    RECT window{};
    // What that button stored, if it was pressed; stays after Cancel too.
    std::optional<SavedState> savedState;
};
