#pragma once
// The bar's own settings: the values of section "Setting", the clock font
// and the hotkey, in one record, and the formats they are written in. The
// bar holds one; the settings sheet edits a copy and hands it back.

#include <cstdint>
#include <string>
#include <string_view>

#include "config/clock_font_record.h"
#include "config/launcher_store.h"
#include "config/records.h"

constexpr const char* kSettingSection = "Setting";

constexpr int kDefaultOption = OPT_DATE | OPT_TIME | OPT_TOPMOST | OPT_LARGEICON;  // 139
constexpr std::uint32_t kDefaultBkColor = 0xC0C0C0;                                // light grey
constexpr std::uint32_t kDefaultTextColor = 0x400040;                              // dark purple
constexpr int kDefaultPosition = 100;

// The saved state: a top-left corner and the display bits ("SetX", "SetY",
// "SetOption").
struct SavedState {
    int x = kDefaultPosition;
    int y = kDefaultPosition;
    int option = kDefaultOption;
    bool operator==(const SavedState&) const = default;
};

struct BarSettings {
    int curPage = 1;
    int pageCount = 2;
    // "BtnSize"; while a page is shown, the size of its buttons.
    int btnSize = 34;
    int option = kDefaultOption;
    std::uint32_t bkColor = kDefaultBkColor;
    std::uint32_t textColor = kDefaultTextColor;
    ClockFontRecord clockFont;  // sizes at 96 DPI, height 0 the default
    HotKeySetting hotKey;
    SavedState saved;
    bool operator==(const BarSettings&) const = default;
};

struct BarPosition {
    int x = kDefaultPosition;
    int y = kDefaultPosition;
};

// "Page", "BtnSize", "Option", "SetOption", "BkColor", "TextColor", "SetX"
// and "SetY", the clock font and the hotkey. Missing values are defaults;
// a page number or count below 1 is 1.
BarSettings LoadBarSettings(LauncherStore& store);

// What the settings sheet's OK stores, in this order: "Option", "BkColor",
// "TextColor" (unsigned decimal text), "BtnSize", "Page", the clock font
// and the hotkey.
void SaveSheetSettings(LauncherStore& store, const BarSettings& settings);

// "X" and "Y": the bar's last top-left corner.
BarPosition LoadLastPosition(ProfileStore& profile);

// "Page" as "%d,%d".
void SavePageState(ProfileStore& profile, int curPage, int pageCount);

// "Y", then "X".
void SaveWindowPos(ProfileStore& profile, int left, int top);

// The state of a bar at (left, top) showing `displayBits`: each coordinate
// raised to 0, the display bits alone.
SavedState SavedStateFor(int left, int top, int displayBits);

// "SetY", "SetX", "Y", "X" and "SetOption", in that order.
void WriteSavedState(ProfileStore& profile, const SavedState& state);

// Colours are COLORREF values kept as unsigned decimal text.
std::string FormatColor(std::uint32_t color);
std::uint32_t ParseColor(std::string_view text);
