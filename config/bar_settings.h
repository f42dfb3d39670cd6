#pragma once
// The bar-wide values of section "Setting" and the formats they are
// written in.

#include <cstdint>
#include <string>
#include <string_view>

#include "config/profile_store.h"
#include "config/records.h"

constexpr const char* kSettingSection = "Setting";

constexpr int kDefaultOption = OPT_DATE | OPT_TIME | OPT_TOPMOST | OPT_LARGEICON;  // 139
constexpr std::uint32_t kDefaultBkColor = 0xC0C0C0;    // light grey
constexpr std::uint32_t kDefaultTextColor = 0x400040;  // dark purple
constexpr int kDefaultPosition = 100;

struct BarSettings {
    int curPage = 1;
    int pageCount = 2;
    int btnSize = 34;
    int option = kDefaultOption;
    int setOption = kDefaultOption;
    std::uint32_t bkColor = kDefaultBkColor;
    std::uint32_t textColor = kDefaultTextColor;
    int setX = kDefaultPosition;
    int setY = kDefaultPosition;
};

struct BarPosition {
    int x = kDefaultPosition;
    int y = kDefaultPosition;
};

// Reads "Page", "BtnSize", "Option", "SetOption", "BkColor", "TextColor",
// "SetX" and "SetY", in that order.
BarSettings LoadBarSettings(ProfileStore& profile);

// "X" and "Y": the bar's last top-left corner.
BarPosition LoadLastPosition(ProfileStore& profile);

// "Page" as "%d,%d".
void SavePageState(ProfileStore& profile, int curPage, int pageCount);

// "Y", then "X".
void SaveWindowPos(ProfileStore& profile, int left, int top);

// Colours are COLORREF values kept as unsigned decimal text.
std::string FormatColor(std::uint32_t color);
std::uint32_t ParseColor(std::string_view text);
