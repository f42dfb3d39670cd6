#pragma once
// Resource and command identifiers. Shared by the resource script and the
// code, so it holds nothing but #define lines.

// Style of the up-down control beside a numeric field, for templates
// (commctrl.h does not pass the resource compiler): UDS_SETBUDDYINT |
// UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS.
#define UDS_NUMBER_SPIN 0x0036

// Icons
#define IDR_MAINFRAME 128       // application icon
#define IDI_DEFAULT_BUTTON 136  // shown by a button whose target gives no icon

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_BAR 130

// Version box controls
#define IDC_ABOUT_ICON 1000
#define IDC_ABOUT_VERSION 1001
#define IDC_ABOUT_LINE 1002
#define IDC_ABOUT_RULE_TOP 1003
#define IDC_ABOUT_CREDIT1 1004
#define IDC_ABOUT_CREDIT2 1005
#define IDC_ABOUT_CREDIT3 1006
#define IDC_ABOUT_RULE_BOTTOM 1007

// Strings
#define IDS_APP_TITLE 57344  // application title, also the store's key
#define IDS_BAR_TIP 61204    // tool tip of the bar itself
#define IDS_BAR_TITLE 61205  // host and bar title, the single-copy key

// Commands of the bar
#define IDM_ADD_REMOVE 100
#define IDM_SETTINGS 101
#define IDM_RESTORE_STATE 102
#define IDM_ABOUT 103
#define IDM_HELP 104
#define IDM_PAGE_FIRST 401  // 401..420: show page 1..20
#define IDM_PAGE_LAST 420
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665

// Commands of a button's own menu
#define IDM_BUTTON_EDIT 200
#define IDM_BUTTON_DELETE 201

// Control id of button k (from 0) on the bar, and of its tool
#define IDC_BAR_BUTTON_FIRST 500

// Add-and-remove-buttons dialog
#define IDD_BUTTON_LIST 137
#define IDC_LIST_BUTTONS 1015
#define IDC_LIST_UP 1016
#define IDC_LIST_DOWN 1017
#define IDC_LIST_ADD 1035
#define IDC_LIST_DELETE 1036
#define IDC_LIST_EDIT 1037
#define IDC_LIST_PAGE_NAME 1038
#define IDC_LIST_PAGE_SETTINGS 1039
#define IDC_LIST_LINES 1041
#define IDC_LIST_LINES_SPIN 1042

// Button properties dialog
#define IDD_BUTTON_PROP 139
#define IDC_PROP_TITLE 1021
#define IDC_PROP_PATH 1022
#define IDC_PROP_DIR 1023
#define IDC_PROP_PARM 1024
#define IDC_PROP_SHOW 1025
#define IDC_PROP_BROWSE 1026
#define IDC_PROP_ICON 1027
#define IDC_PROP_CHANGE_ICON 1028

// Change-icon dialog
#define IDD_ICON_SELECT 141
#define IDC_ICON_BROWSE 1029
#define IDC_ICON_PREV 1030
#define IDC_ICON_NEXT 1031
#define IDC_ICON_DEFAULT 1032
#define IDC_ICON_FILE 1033
#define IDC_ICON_PREVIEW 1034

// Button size dialog
#define IDD_BUTTON_SIZE 143
#define IDC_SIZE_EDIT 1000
#define IDC_SIZE_SPIN 1002
#define IDC_SIZE_FIT 1009
#define IDC_SIZE_LARGE 1010

// ---- Settings sheet: display page ----
#define IDD_OPT 131
#define IDC_OPT_TOPMOST 1004
#define IDC_OPT_DATE 1005
#define IDC_OPT_TIME 1006
#define IDC_OPT_SAVE_STATE 1008
#define IDC_OPT_VERTICAL 1020

// ---- Settings sheet: button appearance page ----
#define IDD_ICONCUSTOM 132
#define IDC_ICONCUSTOM_SIZE 1000
#define IDC_ICONCUSTOM_SIZE_SPIN 1002
#define IDC_ICONCUSTOM_FIT 1009
#define IDC_ICONCUSTOM_LARGE 1010
#define IDC_ICONCUSTOM_SAME 1049
#define IDC_ICONCUSTOM_SIZE_GROUP 1052
#define IDC_ICONCUSTOM_ICON_GROUP 1053
#define IDC_ICONCUSTOM_RANGE 1054

// ---- Settings sheet: clock page ----
#define IDD_WATCH 133
#define IDC_WATCH_SAMPLE 1010
#define IDC_WATCH_TEXT_COLOR 1011
#define IDC_WATCH_BK_COLOR 1012
#define IDC_WATCH_FONT 1013
#define IDC_WATCH_MARKER 1014

// ---- Settings sheet: pages page ----
#define IDD_ARRANGE 138
#define IDC_ARRANGE_COUNT 1036
#define IDC_ARRANGE_COUNT_SPIN 1037

// ---- Settings sheet: hotkey page ----
#define IDD_HOTKEY 144
#define IDC_HOTKEY_ALT 1055
#define IDC_HOTKEY_CONTROL 1056
#define IDC_HOTKEY_SHIFT 1057
#define IDC_HOTKEY_KEY 1058
#define IDC_HOTKEY_ACTION 1059
#define IDC_HOTKEY_PLUS 1060
