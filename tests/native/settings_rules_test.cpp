// The settings sheet's rules: the saved state and the values the sheet
// stores, the key list and its search, the page count plan and where the
// clock sample goes.

#include <gtest/gtest.h>

#include "config/bar_settings.h"
#include "config/records.h"
#include "settings/clock_sample.h"
#include "settings/hotkey_names.h"
#include "config/page_count_plan.h"
#include "tests/native/memory_store.h"

namespace {

class SheetStoreTest : public MemoryStoreTest {
protected:
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const std::string& w : reg->Writes()) names.push_back(w.substr(w.rfind(':') + 1));
        return names;
    }
    const MemoryRegistry::Value* Setting(const char* name) const { return Find("Setting", name); }
};

TEST_F(SheetStoreTest, SavedStateRaisesCoordinatesToZero) {
    struct Row {
        int left, top, bits;
        SavedState state;
    } rows[] = {{-12, 40, 0x0B, {0, 40, 0x0B}},
                {300, -1, 0x04, {300, 0, 0x04}},
                {0, 0, 0x8F, {0, 0, 0x0F}},
                {-2147483647 - 1, 5, 0, {0, 5, 0}}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.left);
        EXPECT_EQ(SavedStateFor(r.left, r.top, r.bits), r.state);
    }
}

TEST_F(SheetStoreTest, SavedStateIsWrittenYBeforeX) {
    WriteSavedState(profile, {0, 40, 0x0B});
    EXPECT_EQ(Names(), (std::vector<std::string>{"SetY", "SetX", "Y", "X", "SetOption"}));
    EXPECT_EQ(Setting("SetX")->dword, 0u);
    EXPECT_EQ(Setting("Y")->dword, 40u);
    EXPECT_EQ(Setting("SetOption")->dword, 0x0Bu);
}

TEST_F(SheetStoreTest, SheetValuesInOrderWithColoursAsUnsignedText) {
    BarSettings s;
    s.option = 0xAB;
    s.textColor = 0xFFFFFFFF;
    s.btnSize = 50;
    s.curPage = 3;
    s.pageCount = 4;
    SaveSheetSettings(store, s);
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"Option", "BkColor", "TextColor", "BtnSize", "Page",
                                        "WatchFont", "WatchFontName", "SysKey", "Key", "Do"}));
    EXPECT_EQ(Setting("Option")->dword, 0xABu);
    EXPECT_EQ(Setting("BkColor")->text, "12632256");
    EXPECT_EQ(Setting("TextColor")->text, "4294967295");
    EXPECT_EQ(Setting("BtnSize")->dword, 50u);
    EXPECT_EQ(Setting("Page")->text, "3,4");
}

// What the sheet's OK and "現在の状態を保存" store is what the bar reads
// at its next start, every field of the record.
TEST_F(SheetStoreTest, RecordRoundTripsThroughTheStore) {
    BarSettings s;
    s.curPage = 2;
    s.pageCount = 20;
    s.btnSize = 15;
    s.option = OPT_VERTICAL | OPT_FITICON;
    s.bkColor = 0x123456;
    s.textColor = 0;
    s.clockFont = ParseClockFont("-16,0,0,0,700,1,0,0,128,0,0,0,0", "ＭＳ ゴシック");
    s.hotKey = {kHotKeyAlt, "F12", kHotKeyActivate};
    s.saved = SavedStateFor(-5, 600, 0xFF);
    SaveSheetSettings(store, s);
    WriteSavedState(profile, s.saved);
    EXPECT_EQ(LoadBarSettings(store), s);
    EXPECT_EQ(LoadLastPosition(profile).y, 600);
}

TEST_F(SheetStoreTest, AnEmptyStoreReadsAsTheRecordsDefaults) {
    EXPECT_EQ(LoadBarSettings(store), BarSettings{});
    EXPECT_TRUE(reg->Writes().empty());
}

TEST(HotKeyNamesTest, ThirtyEightLinesInOrder) {
    const auto& names = HotKeyNames();
    EXPECT_EQ(names.front(), "A");
    EXPECT_EQ(names[25], "Z");
    EXPECT_EQ(names[26], "F1");
    EXPECT_EQ(names.back(), "F12");
}

TEST(HotKeyNamesTest, PrefixSearchStartsAtTheSecondLine) {
    struct Row {
        const char* key;
        int line;
    } rows[] = {{"F1", 26}, {"F10", 35}, {"F12", 37}, {"f1", 26},  {"A", 0},   {"a", 0},
                {"B", 1},   {"G", 6},    {"Z", 25},   {"F", 5},    {"F2", 27}, {"F13", -1},
                {"AB", -1}, {"1", -1},   {"", 1},     {"F1 ", -1}, {"表", -1}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.key);
        EXPECT_EQ(FindKeyLine(r.key), r.line);
    }
}

TEST(HotKeyNamesTest, LabelNamesModifiersThenKey) {
    EXPECT_EQ(HotKeyLabel({6, "G", 2}), "CONTROL + SHIFT + G");
    EXPECT_EQ(HotKeyLabel({7, "F12", 1}), "ALT + CONTROL + SHIFT + F12");
    EXPECT_EQ(HotKeyLabel({0, "K", 1}), "K");
}

TEST(PageCountPlanTest, PagesGoFromTheEnd) {
    struct Row {
        int oldCount, newCount, curPage;
        PageCountPlan plan;
    } rows[] = {
        {5, 3, 2, {{5, 4}, 2}},
        {5, 3, 4, {{5, 4}, 1}},
        {5, 3, 3, {{5, 4}, 3}},
        {5, 2, 1, {{5, 4, 3}, 1}},
        {3, 5, 3, {{}, 3}},
        {4, 4, 4, {{}, 4}},
        {20, 1, 20, {{20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}, 1}},
        // A store edited by hand may show a page beyond its count.
        {2, 2, 7, {{}, 1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.oldCount << "->" << r.newCount << " on " << r.curPage);
        EXPECT_EQ(PlanPageCount(r.oldCount, r.newCount, r.curPage), r.plan);
    }
}

TEST(ClockSampleTest, CentredTenWiderAndTwentyToFortyFiveHigh) {
    struct Row {
        int textWidth, textHeight, dpi;
        SampleRect rect;
    } rows[] = {
        {40, 12, 96, {175, 250, 225, 270}},  // too low: 20 high
        {40, 20, 96, {175, 250, 225, 270}},
        {41, 21, 96, {174, 249, 225, 270}},  // odd halves
        {90, 45, 96, {150, 237, 250, 282}},
        {90, 46, 96, {150, 237, 250, 282}},  // too high: 45
        {401, 60, 96, {-5, 237, 406, 282}},  // wider than the page: toward zero
        // At 144 DPI: 30..68 high.
        {40, 18, 144, {175, 245, 225, 275}},
        {90, 60, 144, {150, 230, 250, 290}},
        {90, 70, 144, {150, 226, 250, 294}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.textWidth << "x" << r.textHeight << " at " << r.dpi);
        // Client 0..400 wide and 300 high; the marker's top edge at 220.
        EXPECT_EQ(PlaceSampleRect(0, 400, 300, 220, r.textWidth, r.textHeight, r.dpi), r.rect);
    }
}

}  // namespace
