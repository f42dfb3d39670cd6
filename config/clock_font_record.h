#pragma once
// The clock font's logical description as stored in "WatchFont" (thirteen
// numbers) and "WatchFontName" (the face name). The fields mirror LOGFONTA.

#include <cstdint>
#include <string>
#include <string_view>

#include "config/profile_store.h"

struct ClockFontRecord {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;  // at most kMaxFaceNameBytes bytes

    bool operator==(const ClockFontRecord&) const = default;
};

// The face name field holds 31 bytes and a terminating zero.
constexpr std::size_t kMaxFaceNameBytes = 31;

// Missing numbers read as 0; the eight byte fields are cut to their low
// byte; a longer face name is cut to 31 bytes at a character boundary.
ClockFontRecord ParseClockFont(std::string_view numbers, std::string_view faceName);
std::string FormatClockFontNumbers(const ClockFontRecord& font);

ClockFontRecord LoadClockFontRecord(ProfileStore& profile);
void SaveClockFontRecord(ProfileStore& profile, const ClockFontRecord& font);
