#include "settings/sheet_store.h"

#include <algorithm>

#include "config/bar_settings.h"
#include "config/records.h"

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

void WriteSheetSettings(ProfileStore& profile, const SheetSettings& settings) {
    profile.WriteInt(kSettingSection, "Option", settings.option);
    profile.WriteString(kSettingSection, "BkColor", FormatColor(settings.bkColor));
    profile.WriteString(kSettingSection, "TextColor", FormatColor(settings.textColor));
    profile.WriteInt(kSettingSection, "BtnSize", settings.btnSize);
}
