#include "config/clock_font_record.h"

#include <cstdio>

#include "config/bar_settings.h"
#include "config/get_comma.h"
#include "core/sjis.h"

namespace {
std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
}  // namespace

ClockFontRecord ParseClockFont(std::string_view numbers, std::string_view faceName) {
    CGetComma list(numbers);
    ClockFontRecord f;
    f.height = list.GetValue(0);
    f.width = list.GetValue(1);
    f.escapement = list.GetValue(2);
    f.orientation = list.GetValue(3);
    f.weight = list.GetValue(4);
    f.italic = LowByte(list.GetValue(5));
    f.underline = LowByte(list.GetValue(6));
    f.strikeOut = LowByte(list.GetValue(7));
    f.charSet = LowByte(list.GetValue(8));
    f.outPrecision = LowByte(list.GetValue(9));
    f.clipPrecision = LowByte(list.GetValue(10));
    f.quality = LowByte(list.GetValue(11));
    f.pitchAndFamily = LowByte(list.GetValue(12));
    f.faceName = std::string(sjis::TruncateChars(faceName, kMaxFaceNameBytes));
    return f;
}

std::string FormatClockFontNumbers(const ClockFontRecord& f) {
    char text[160];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", f.height, f.width,
                  f.escapement, f.orientation, f.weight, f.italic, f.underline, f.strikeOut,
                  f.charSet, f.outPrecision, f.clipPrecision, f.quality, f.pitchAndFamily);
    return text;
}

ClockFontRecord LoadClockFontRecord(ProfileStore& profile) {
    return ParseClockFont(profile.GetString(kSettingSection, "WatchFont", ""),
                          profile.GetString(kSettingSection, "WatchFontName", ""));
}

void SaveClockFontRecord(ProfileStore& profile, const ClockFontRecord& font) {
    profile.WriteString(kSettingSection, "WatchFont", FormatClockFontNumbers(font));
    profile.WriteString(kSettingSection, "WatchFontName", font.faceName);
}
