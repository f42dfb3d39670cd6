#include "bar/input_rules.h"

#include <gtest/gtest.h>

#include <ctime>

#include "bar/clock_text.h"
#include "bar/menu_text.h"
#include "config/records.h"

namespace {

TEST(InputRules, KeysOfTheHorizontalAndVerticalLayouts) {
    struct Row {
        int key;
        bool vertical;
        KeyAction action;
    } rows[] = {
        {kVkUp, false, {KeyAction::MoveFocus, 0}},    {kVkDown, false, {KeyAction::MoveFocus, 0}},
        {kVkLeft, false, {}},                         {kVkRight, false, {}},
        {kVkLeft, true, {KeyAction::MoveFocus, 0}},   {kVkRight, true, {KeyAction::MoveFocus, 0}},
        {kVkUp, true, {}},                            {kVkDown, true, {}},
        {111, false, {}},                             {kVkF1, false, {KeyAction::SwitchPage, 1}},
        {kVkF10, true, {KeyAction::SwitchPage, 10}},  {kVkF11, false, {KeyAction::PageMenu, 0}},
        {123, false, {}},                             {kVkEscape, true, {KeyAction::BarMenu, 0}},
        {13, false, {}},                              {'A', false, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.key) + (r.vertical ? " vertical" : " horizontal"));
        EXPECT_EQ(KeyActionFor(r.key, r.vertical), r.action);
    }
}

TEST(InputRules, FocusMovesAcrossLines) {
    // 7 buttons on 2 lines: 4 per line.
    EXPECT_EQ(FocusTarget(2, kVkDown, 7, 2), 6);
    EXPECT_EQ(FocusTarget(5, kVkDown, 7, 2), -1);  // 9 is beyond the page
    EXPECT_EQ(FocusTarget(1, kVkUp, 7, 2), -1);
    EXPECT_EQ(FocusTarget(6, kVkUp, 7, 2), 2);
    EXPECT_EQ(FocusTarget(3, kVkDown, 7, 2), -1);  // the second line has 3 buttons
    EXPECT_EQ(FocusTarget(0, kVkRight, 6, 3), 2);  // vertical: 2 per column
    EXPECT_EQ(FocusTarget(5, kVkLeft, 6, 3), 3);
    EXPECT_EQ(FocusTarget(0, kVkDown, 3, 5), 1);   // more lines than buttons
    EXPECT_EQ(FocusTarget(0, kVkDown, 0, 1), -1);
    EXPECT_EQ(FocusTarget(-1, kVkDown, 7, 2), -1);
    EXPECT_EQ(FocusTarget(0, kVkDown, 2147483647, 1), -1);
    EXPECT_EQ(FocusTarget(2147483646, kVkDown, 2147483647, 2147483647), -1);
}

TEST(InputRules, DoubleClickAlternatesTwoPagesAndOpensTheMenuForMore) {
    EXPECT_EQ(DoubleClickActionFor(1, 1), DoubleClickAction{});
    EXPECT_EQ(DoubleClickActionFor(2, 1), (DoubleClickAction{DoubleClickAction::SwitchPage, 2}));
    EXPECT_EQ(DoubleClickActionFor(2, 2), (DoubleClickAction{DoubleClickAction::SwitchPage, 1}));
    EXPECT_EQ(DoubleClickActionFor(2, 5), (DoubleClickAction{DoubleClickAction::SwitchPage, 1}));
    EXPECT_EQ(DoubleClickActionFor(3, 1), (DoubleClickAction{DoubleClickAction::PageMenu, 0}));
    EXPECT_EQ(DoubleClickActionFor(25, 1), (DoubleClickAction{DoubleClickAction::PageMenu, 0}));
}

TEST(InputRules, DropOnTheStripIsDecidedAcrossTheStripOnly) {
    EXPECT_TRUE(DropOnStrip(89, 500, false, 90));
    EXPECT_FALSE(DropOnStrip(90, 0, false, 90));
    EXPECT_TRUE(DropOnStrip(500, 9, true, 10));
    EXPECT_FALSE(DropOnStrip(0, 10, true, 10));
    EXPECT_TRUE(DropOnStrip(-5, 0, false, 10));
}

TEST(InputRules, KeyNamesGiveCapitalLettersAndFunctionKeysOnly) {
    struct Row {
        const char* name;
        int key;
    } rows[] = {
        {"A", 65},   {"G", 71},  {"Z", 90},  {"F1", 112}, {"F5", 116}, {"F12", 123},
        {"F13", 124}, {"F0", 0},  {"F14", 0}, {"f5", 0},   {"", 0},     {"1", 0},
        {"AB", 0},   {"a", 0},   {"@", 0},   {"[", 0},    {"F", 70},    {"FA", 0},
        {"F05", 116}, {"F1x", 112}, {"F-1", 0}, {"F99999999999", 0}, {"ｱ", 0}, {"表", 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(KeyNameToVirtualKey(r.name), r.key);
    }
}

TEST(InputRules, HotKeyModifiers) {
    EXPECT_EQ(HotKeyModifiers(6), 6);
    EXPECT_EQ(HotKeyModifiers(1), 1);
    EXPECT_EQ(HotKeyModifiers(0xFF), 7);
    EXPECT_EQ(HotKeyModifiers(8), 0);
    EXPECT_EQ(HotKeyModifiers(-1), 7);
}

TEST(MenuText, PagesUpToNineGetTheirDigitAndUnnamedPagesTheirNumber) {
    EXPECT_EQ(PageMenuLabel(1, ""), "&1 Page1");
    EXPECT_EQ(PageMenuLabel(9, "ﾂｰﾙ"), "&9 ﾂｰﾙ");
    EXPECT_EQ(PageMenuLabel(10, ""), "Page10");
    EXPECT_EQ(PageMenuLabel(12, "表示"), "表示");
    EXPECT_EQ(PageMenuLabel(21, ""), "Page21");
}

TEST(ClockText, DateAndTimeFollowTheOptionBits) {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 0;
    t.tm_mday = 5;
    t.tm_hour = 7;
    t.tm_min = 3;
    EXPECT_EQ(ClockText(t, OPT_DATE | OPT_TIME), "01/05 07:03");
    EXPECT_EQ(ClockText(t, OPT_DATE), "01/05 ");
    EXPECT_EQ(ClockText(t, OPT_TIME), "07:03");
    EXPECT_EQ(ClockText(t, 0), "");
    EXPECT_EQ(ClockText(t, OPT_DATE | OPT_TIME | OPT_VERTICAL), "");
    t.tm_mon = 11;
    t.tm_mday = 31;
    t.tm_hour = 23;
    t.tm_min = 59;
    EXPECT_EQ(ClockText(t, 0x8B), "12/31 23:59");
    EXPECT_EQ(CurrentTimeLabel(t), "現在時刻  12/31 23:59");
}

}  // namespace
