#pragma once
// Identifiers the bar registers with the platform.

// The clock timer: identifier 1, every 2.5 seconds.
constexpr unsigned kClockTimerId = 1;
constexpr unsigned kClockTimerPeriod = 2500;

// Fires once, after the bar's first paint (a timer's message comes after
// every paint), to activate the bar and make the tool tips.
constexpr unsigned kFirstPaintTimerId = 2;

// The global hotkey's registration number.
constexpr int kHotKeyId = 150;

// Posted to the bar to load its page again once the current message is
// done (WM_APP + 1).
constexpr unsigned kMsgReload = 0x8001;

// Posted to the bar when it is activated, to give the keyboard to its
// first button if the focus is on none of them (WM_APP + 2).
constexpr unsigned kMsgSettleFocus = 0x8002;
