#pragma once
// The option bits the settings pages show as check boxes. No platform
// calls.

// The display page's four boxes.
struct DisplayChecks {
    bool date = false;
    bool time = false;
    bool vertical = false;
    bool topmost = false;
    bool operator==(const DisplayChecks&) const = default;
};

// The button page's three boxes.
struct ButtonChecks {
    bool sameAllPages = false;
    bool fitIcon = false;
    bool largeIcon = false;
    bool operator==(const ButtonChecks&) const = default;
};

// What the boxes show of an Option word; other bits are not shown.
DisplayChecks DisplayChecksOf(int option);
ButtonChecks ButtonChecksOf(int option);

// The bits the boxes stand for: 0..15 for the display page, bits 0x20,
// 0x40 and 0x80 for the button page. A greyed box counts as it is marked.
int OptionFromChecks(const DisplayChecks& checks);
int IconFlagsFromChecks(const ButtonChecks& checks);

// The button page's share of an Option word.
int IconFlagsOf(int option);
