#pragma once
// The records kept in the store and copied whole between the bar, its
// buttons and the dialogs. All texts are Shift-JIS byte strings.

#include <string>

// Bits of the "Option" word; OPT_SAMEALLPAGES aside, the icon bits are also
// used inside PageSetup::IconFlags.
constexpr int OPT_DATE = 0x01;
constexpr int OPT_TIME = 0x02;
constexpr int OPT_VERTICAL = 0x04;
constexpr int OPT_TOPMOST = 0x08;
constexpr int OPT_SAMEALLPAGES = 0x20;
constexpr int OPT_FITICON = 0x40;
constexpr int OPT_LARGEICON = 0x80;

constexpr int kDisplayOptionBits = OPT_DATE | OPT_TIME | OPT_VERTICAL | OPT_TOPMOST;
constexpr int kButtonOptionBits = OPT_SAMEALLPAGES | OPT_FITICON | OPT_LARGEICON;

// One launcher button.
struct ButtonEntry {
    std::string Title;
    std::string AppName;
    std::string Dir;
    std::string Parm;
    int ShowMode = 0;  // 0 normal window, 1 minimised, 2 maximised
    std::string IconFile;
    int IconIndex = 0;

    bool operator==(const ButtonEntry&) const = default;
};

// The range of a button size a user may choose.
constexpr int kMinButtonSize = 15;
constexpr int kMaxButtonSize = 50;

// One page's layout; the page name is stored beside it.
struct PageSetup {
    int ButtonCount = 0;
    int LineCount = 1;
    int ButtonSize = 34;
    int IconFlags = 0;

    bool operator==(const PageSetup&) const = default;
};

// Modifier bits of HotKeySetting::SysKey (the platform's own values).
constexpr int kHotKeyAlt = 0x01;
constexpr int kHotKeyControl = 0x02;
constexpr int kHotKeyShift = 0x04;

// Actions of HotKeySetting::Do.
constexpr int kHotKeyNone = 0;
constexpr int kHotKeyActivate = 1;
constexpr int kHotKeyPageMenu = 2;

struct HotKeySetting {
    int SysKey = kHotKeyControl | kHotKeyShift;
    std::string Key = "G";
    int Do = kHotKeyPageMenu;

    bool operator==(const HotKeySetting&) const = default;
};
