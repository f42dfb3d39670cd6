#pragma once
// What the settings sheet writes to section "Setting", in the order it
// writes it. No platform calls.

#include <cstdint>

#include "config/profile_store.h"

// The saved state: the bar's top-left corner, each coordinate raised to 0,
// and the display bits.
struct SavedState {
    int x = 0;
    int y = 0;
    int option = 0;
    bool operator==(const SavedState&) const = default;
};

SavedState SavedStateFor(int left, int top, int displayBits);

// "SetY", "SetX", "Y", "X" and "SetOption", in that order.
void WriteSavedState(ProfileStore& profile, const SavedState& state);

// The bar-wide values the sheet's OK stores.
struct SheetSettings {
    int option = 0;
    std::uint32_t bkColor = 0;
    std::uint32_t textColor = 0;
    int btnSize = 0;
};

// "Option", "BkColor", "TextColor" (unsigned decimal text) and "BtnSize",
// in that order.
void WriteSheetSettings(ProfileStore& profile, const SheetSettings& settings);
