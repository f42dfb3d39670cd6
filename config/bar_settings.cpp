#include "config/bar_settings.h"

#include <cstdio>

#include "config/get_comma.h"
#include "core/sjis.h"

BarSettings LoadBarSettings(ProfileStore& profile) {
    BarSettings s;
    CGetComma page(profile.GetString(kSettingSection, "Page", "1,2"));
    s.curPage = page.GetValue(0) > 0 ? page.GetValue(0) : 1;
    s.pageCount = page.GetValue(1) > 0 ? page.GetValue(1) : 1;
    s.btnSize = profile.GetInt(kSettingSection, "BtnSize", 34);
    s.option = profile.GetInt(kSettingSection, "Option", kDefaultOption);
    s.setOption = profile.GetInt(kSettingSection, "SetOption", kDefaultOption);
    s.bkColor = ParseColor(profile.GetString(kSettingSection, "BkColor", "12632256"));
    s.textColor = ParseColor(profile.GetString(kSettingSection, "TextColor", "4194368"));
    s.setX = profile.GetInt(kSettingSection, "SetX", kDefaultPosition);
    s.setY = profile.GetInt(kSettingSection, "SetY", kDefaultPosition);
    return s;
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

std::string FormatColor(std::uint32_t color) {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(color));
    return text;
}

std::uint32_t ParseColor(std::string_view text) {
    return static_cast<std::uint32_t>(sjis::ParseDecimal(text));
}
