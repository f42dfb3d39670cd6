// Section "Setting": the bar-wide values, the page state, the position and
// the clock font.

#include <gtest/gtest.h>

#include "config/bar_settings.h"
#include "config/clock_font_record.h"
#include "tests/native/memory_store.h"

namespace {

const std::string kSetting = "Software\\Quenlow\\Lumeq\\Setting";

class SettingTest : public MemoryStoreTest {
protected:
    void PutText(const char* name, const std::string& text) {
        MemoryStoreTest::PutText("Setting", name, text);
    }
    std::string Text(const char* name) { return MemoryStoreTest::Text("Setting", name); }
};

TEST_F(SettingTest, EmptyStoreDefaults) {
    BarSettings s = LoadBarSettings(store);
    EXPECT_EQ(s.curPage, 1);
    EXPECT_EQ(s.pageCount, 2);
    EXPECT_EQ(s.btnSize, 34);
    EXPECT_EQ(s.option, 139);
    EXPECT_EQ(s.saved.option, 139);
    EXPECT_EQ(s.bkColor, 0xC0C0C0u);
    EXPECT_EQ(s.textColor, 0x400040u);
    EXPECT_EQ(s.saved.x, 100);
    EXPECT_EQ(s.saved.y, 100);
    BarPosition p = LoadLastPosition(profile);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 100);
    EXPECT_EQ(LoadClockFontRecord(profile), ClockFontRecord{});
    EXPECT_TRUE(reg->Writes().empty());
}

TEST_F(SettingTest, PageValueIsClampedBelowOnly) {
    struct Row {
        const char* text;
        int cur, count;
    } rows[] = {{"0,0", 1, 1},
                {"3", 3, 1},
                {"3,2", 3, 2},
                {"-4,25", 1, 25},
                {"x,y", 1, 1},
                {"", 1, 1},
                {"7,2147483647", 7, 2147483647}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        PutText("Page", r.text);
        BarSettings s = LoadBarSettings(store);
        EXPECT_EQ(s.curPage, r.cur);
        EXPECT_EQ(s.pageCount, r.count);
    }
}

TEST_F(SettingTest, ColoursAreDecimalText) {
    PutText("BkColor", "black");
    PutText("TextColor", "  255xyz");
    BarSettings s = LoadBarSettings(store);
    EXPECT_EQ(s.bkColor, 0u);
    EXPECT_EQ(s.textColor, 255u);
    EXPECT_EQ(FormatColor(0xC0C0C0), "12632256");
    EXPECT_EQ(FormatColor(0x00FFFFFF), "16777215");
    EXPECT_EQ(ParseColor(FormatColor(0x00123456)), 0x00123456u);
}

TEST_F(SettingTest, BtnSizeAndOptionAreTakenAsStored) {
    reg->WriteDword(kSetting, "BtnSize", static_cast<std::uint32_t>(-40));
    reg->WriteDword(kSetting, "Option", 0xFFFFFFFF);
    BarSettings s = LoadBarSettings(store);
    EXPECT_EQ(s.btnSize, -40);
    EXPECT_EQ(s.option, -1);
}

TEST_F(SettingTest, PageStateAndPositionFormats) {
    SavePageState(profile, 3, 12);
    SaveWindowPos(profile, -20, 7);
    const std::vector<std::string> expected = {kSetting + ":Page", kSetting + ":Y",
                                               kSetting + ":X"};
    EXPECT_EQ(reg->Writes(), expected);
    EXPECT_EQ(Text("Page"), "3,12");
    BarPosition p = LoadLastPosition(profile);
    EXPECT_EQ(p.x, -20);
    EXPECT_EQ(p.y, 7);
}

TEST(ClockFont, ParseCutsBytesAndFillsMissingNumbers) {
    ClockFontRecord f = ParseClockFont("-12,0,0,0,700,300,1,0,128", "ＭＳ Ｐゴシック");
    EXPECT_EQ(f.height, -12);
    EXPECT_EQ(f.weight, 700);
    EXPECT_EQ(f.italic, 44);  // 300 cut to its low byte
    EXPECT_EQ(f.underline, 1);
    EXPECT_EQ(f.charSet, 128);
    EXPECT_EQ(f.outPrecision, 0);
    EXPECT_EQ(f.pitchAndFamily, 0);
    EXPECT_EQ(f.faceName, "ＭＳ Ｐゴシック");
    f = ParseClockFont("1,2,3,4,5,-1,256,511,6,7,8,9,10,99", "");
    EXPECT_EQ(f.italic, 255);
    EXPECT_EQ(f.underline, 0);
    EXPECT_EQ(f.strikeOut, 255);
    EXPECT_EQ(f.pitchAndFamily, 10);
}

TEST(ClockFont, LongFaceNameIsCutAtACharacterBoundary) {
    // 15 double-byte characters are 30 bytes; one more would be 32.
    std::string name;
    for (int i = 0; i < 17; ++i) name += "表";
    ClockFontRecord f = ParseClockFont("", name);
    EXPECT_EQ(f.faceName.size(), 30u);
    EXPECT_EQ(ParseClockFont("", std::string(40, 'A')).faceName, std::string(31, 'A'));
}

TEST_F(SettingTest, ClockFontRoundTrip) {
    ClockFontRecord f = ParseClockFont("-16,-7,900,450,400,1,0,1,128,3,2,1,49", "ソフト");
    SaveClockFontRecord(profile, f);
    EXPECT_EQ(Text("WatchFont"), "-16,-7,900,450,400,1,0,1,128,3,2,1,49");
    EXPECT_EQ(Text("WatchFontName"), "ソフト");
    EXPECT_EQ(LoadClockFontRecord(profile), f);
}

}  // namespace
