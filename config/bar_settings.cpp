#include "config/bar_settings.h"

#include <algorithm>
#include <cstdio>

#include "config/get_comma.h"
#include "core/sjis.h"

BarSettings LoadBarSettings(LauncherStore& store) {
    ProfileStore& profile = store.Profile();
    BarSettings s;
    CGetComma page(profile.GetString(kSettingSection, "Page", "1,2"));
    s.curPage = page.GetValue(0) > 0 ? page.GetValue(0) : 1;
    s.pageCount = page.GetValue(1) > 0 ? page.GetValue(1) : 1;
    s.btnSize = profile.GetInt(kSettingSection, "BtnSize", 34);
    s.option = profile.GetInt(kSettingSection, "Option", kDefaultOption);
    s.saved.option = profile.GetInt(kSettingSection, "SetOption", kDefaultOption);
    s.bkColor = ParseColor(profile.GetString(kSettingSection, "BkColor", "12632256"));
    s.textColor = ParseColor(profile.GetString(kSettingSection, "TextColor", "4194368"));
    s.saved.x = profile.GetInt(kSettingSection, "SetX", kDefaultPosition);
    s.saved.y = profile.GetInt(kSettingSection, "SetY", kDefaultPosition);
    s.clockFont = LoadClockFontRecord(profile);
    store.LoadHotKey(s.hotKey);
    return s;
}

void SaveSheetSettings(LauncherStore& store, const BarSettings& s) {
    ProfileStore& profile = store.Profile();
    profile.WriteInt(kSettingSection, "Option", s.option);
    profile.WriteString(kSettingSection, "BkColor", FormatColor(s.bkColor));
    profile.WriteString(kSettingSection, "TextColor", FormatColor(s.textColor));
    profile.WriteInt(kSettingSection, "BtnSize", s.btnSize);
    SavePageState(profile, s.curPage, s.pageCount);
    SaveClockFontRecord(profile, s.clockFont);
    store.SaveHotKey(s.hotKey);
}

BarPosition LoadLastPosition(ProfileStore& profile) {
    BarPosition p;
    p.x = profile.GetInt(kSettingSection, "X", kDefaultPosition);
    p.y = profile.GetInt(kSettingSection, "Y", kDefaultPosition);
    return p;
}

void SavePageState(ProfileStore& profile, int curPage, int pageCount) {
    char text[32];
    std::snprintf(text, sizeof text, "%d,%d", curPage, pageCount);
    profile.WriteString(kSettingSection, "Page", text);
}

void SaveWindowPos(ProfileStore& profile, int left, int top) {
    profile.WriteInt(kSettingSection, "Y", top);
    profile.WriteInt(kSettingSection, "X", left);
}

SavedState SavedStateFor(int left, int top, int displayBits) {
    return {std::max(left, 0), std::max(top, 0), displayBits & kDisplayOptionBits};
}

void WriteSavedState(ProfileStore& profile, const SavedState& state) {
    profile.WriteInt(kSettingSection, "SetY", state.y);
    profile.WriteInt(kSettingSection, "SetX", state.x);
    profile.WriteInt(kSettingSection, "Y", state.y);
    profile.WriteInt(kSettingSection, "X", state.x);
    profile.WriteInt(kSettingSection, "SetOption", state.option);
}

std::string FormatColor(std::uint32_t color) {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(color));
    return text;
}

std::uint32_t ParseColor(std::string_view text) {
    return static_cast<std::uint32_t>(sjis::ParseDecimal(text));
}
