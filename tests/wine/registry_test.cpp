// The store on the real registry: types, Shift-JIS texts, nested keys and
// deleting a page with everything below it.

#include <gtest/gtest.h>

#include <memory>

#include "config/launcher_store.h"
#include "config/rgi_key.h"
#include "config/win_registry.h"
#include "tests/wine/wine_test_util.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() : store(std::make_unique<WinRegistry>()) {
        wt::ClearStore();
        store.Profile().SetRegistryKey("Quenlow", "Lumeq");
    }
    ~RegistryTest() override { wt::ClearStore(); }

    LauncherStore store;
};

TEST(WineEnvironment, AnsiCodePageIs932) {
    EXPECT_EQ(GetACP(), 932u) << "run the tests with LANG=ja_JP.UTF-8";
}

TEST_F(RegistryTest, IntegersAreSignedDwords) {
    ProfileStore& p = store.Profile();
    p.WriteInt("Setting", "X", -5);
    EXPECT_EQ(wt::RawDword("Setting", "X"), 0xFFFFFFFBu);
    EXPECT_EQ(p.GetInt("Setting", "X", 100), -5);
    wt::RawWriteDword("Setting", "Y", 0x80000000u);
    EXPECT_EQ(p.GetInt("Setting", "Y", 100), -2147483647 - 1);
    wt::RawWriteDword("Setting", "Y", 0xFFFFFFFFu);
    EXPECT_EQ(p.GetInt("Setting", "Y", 100), -1);
    EXPECT_EQ(p.GetInt("Setting", "Missing", 77), 77);
}

TEST_F(RegistryTest, ShiftJisTextWithBackslashTrailBytesRoundTrips) {
    // 表 is 95 5C, 示 8E A6, ソ 83 5C: two trail bytes are backslashes.
    const std::string text = "表示ソ\\ｶﾅ";
    ASSERT_EQ(text, "\x95\x5C\x8E\xA6\x83\x5C\\\xB6\xC5");
    ButtonEntry entry;
    entry.Title = text;
    entry.AppName = "C:\\ソフト\\表.exe";
    store.SaveButton(1, 1, entry);
    EXPECT_EQ(wt::RawString("Page1\\Btn1", "Title"), text);
    ButtonEntry back;
    store.LoadButton(1, 1, back);
    EXPECT_EQ(back.Title, text);
    EXPECT_EQ(back.AppName, entry.AppName);
    EXPECT_EQ(back.Title.size(), 9u);
}

TEST_F(RegistryTest, ValuesOfTheWrongTypeReadAsDefaults) {
    ProfileStore& p = store.Profile();
    // A short REG_SZ fits a DWORD's four bytes; it must still not be taken.
    wt::RawWriteString("Setting", "BtnSize", "12");
    EXPECT_EQ(p.GetInt("Setting", "BtnSize", 34), 34);
    wt::RawWriteString("Setting", "Option", "a long text value");
    EXPECT_EQ(p.GetInt("Setting", "Option", 139), 139);
    const unsigned char bytes[4] = {1, 2, 3, 4};
    wt::RawWrite("Setting", "X", REG_BINARY, bytes, sizeof bytes);
    EXPECT_EQ(p.GetInt("Setting", "X", 100), 100);
    const unsigned char eight[8] = {};
    wt::RawWrite("Setting", "Y", REG_QWORD, eight, sizeof eight);
    EXPECT_EQ(p.GetInt("Setting", "Y", 100), 100);

    wt::RawWriteDword("Setting", "Page", 3);
    EXPECT_EQ(p.GetString("Setting", "Page", "1,2"), "1,2");
    wt::RawWrite("Setting", "BkColor", REG_EXPAND_SZ, "255", 4);
    EXPECT_EQ(p.GetString("Setting", "BkColor", "12632256"), "12632256");
    wt::RawWrite("Setting", "TextColor", REG_MULTI_SZ, "1\0\0", 3);
    EXPECT_EQ(p.GetString("Setting", "TextColor", "4194368"), "4194368");
}

TEST_F(RegistryTest, TextsWithoutTerminatorOrWithEmbeddedNul) {
    wt::RawWrite("Page1\\Btn1", "AppName", REG_SZ, "C:\\a.exe", 8);  // no NUL stored
    wt::RawWrite("Page1\\Btn1", "Title", REG_SZ, "ab\0cd", 6);
    wt::RawWrite("Page1\\Btn1", "Dir", REG_SZ, "", 0);
    ButtonEntry entry;
    store.LoadButton(1, 1, entry);
    EXPECT_EQ(entry.AppName, "C:\\a.exe");
    EXPECT_EQ(entry.Title, "ab");
    EXPECT_EQ(entry.Dir, "");
}

TEST_F(RegistryTest, ButtonValuesReadTogetherKeepEachOutcome) {
    std::string longName = "C:\\";
    while (longName.size() < 600) longName += "表示ソ\\";
    wt::RawWriteString("Page1\\Btn1", "AppName", longName);
    wt::RawWriteDword("Page1\\Btn1", "Title", 7);
    wt::RawWriteString("Page1\\Btn1", "Icon", std::string(255, 'i'));
    wt::RawWriteString("Page1\\Btn1", "Data", "3,12");
    ButtonEntry entry;
    store.LoadButton(1, 1, entry);
    EXPECT_EQ(entry.AppName, longName) << "longer than the first read's buffer";
    EXPECT_EQ(entry.Title, "") << "a number is not a text";
    EXPECT_EQ(entry.Dir, "") << "missing";
    EXPECT_EQ(entry.IconFile, std::string(255, 'i')) << "the buffer's size with its NUL";
    EXPECT_EQ(entry.ShowMode, 3);
    EXPECT_EQ(entry.IconIndex, 12);
}

TEST_F(RegistryTest, LongTextRoundTrips) {
    std::string text;
    while (text.size() < 100000) text += "表示ソ0123456789";
    store.Profile().WriteString("Setting", "WatchFontName", text);
    EXPECT_EQ(store.Profile().GetString("Setting", "WatchFontName", ""), text);
}

// A hand-edited count makes the bar read many slots that do not exist.
TEST_F(RegistryTest, ReadingCreatesNoKey) {
    PageSetup setup;
    store.LoadPageSetup(3, setup);
    EXPECT_FALSE(wt::KeyExists("Software\\Quenlow\\Lumeq\\Page3"));
    HotKeySetting hotKey;
    store.LoadHotKey(hotKey);
    EXPECT_FALSE(wt::KeyExists("Software\\Quenlow\\Lumeq\\HotKey"));
    EXPECT_EQ(hotKey, HotKeySetting{});
}

TEST_F(RegistryTest, DeletedPageComesBackEmpty) {
    for (int page = 1; page <= 3; ++page) {
        store.SavePageSetup(page, PageSetup{3, 1, 34, 0});
        for (int i = 1; i <= 3; ++i) {
            ButtonEntry entry;
            entry.AppName = "C:\\p" + std::to_string(page) + "\\b" + std::to_string(i) + ".exe";
            store.SaveButton(page, i, entry);
        }
    }
    store.DeletePageKey(3);
    EXPECT_FALSE(wt::KeyExists("Software\\Quenlow\\Lumeq\\Page3"));
    EXPECT_TRUE(wt::KeyExists("Software\\Quenlow\\Lumeq\\Page2\\Btn3"));

    PageSetup setup;
    store.LoadPageSetup(3, setup);
    EXPECT_EQ(setup, PageSetup{});
    ButtonEntry entry;
    store.LoadButton(3, 2, entry);
    EXPECT_EQ(entry, ButtonEntry{});
}

TEST_F(RegistryTest, RgiKeyDeletesTreesAndKeepsTheRootOpen) {
    store.SaveButton(2, 1, ButtonEntry{});
    CRgiKey rgi;
    EXPECT_TRUE(rgi.DeleteKey(HKEY_CURRENT_USER, "SOFTWARE\\Quenlow\\Lumeq\\Page2\\Btn1"));
    EXPECT_FALSE(wt::KeyExists("Software\\Quenlow\\Lumeq\\Page2\\Btn1"));
    EXPECT_FALSE(rgi.DeleteKey(HKEY_CURRENT_USER, "SOFTWARE\\Quenlow\\Lumeq\\Page2\\Btn1"))
        << "a missing key is not reported as deleted";
    EXPECT_FALSE(rgi.DeleteKey(HKEY_CURRENT_USER, ""));
    const std::string tooLong = "SOFTWARE\\Quenlow\\Lumeq\\" + std::string(240, 'x');
    EXPECT_FALSE(rgi.DeleteKey(HKEY_CURRENT_USER, tooLong.c_str()));
    EXPECT_TRUE(rgi.DeleteKey(HKEY_CURRENT_USER, "SOFTWARE\\Quenlow\\Lumeq\\Page2"));
    // HKEY_CURRENT_USER still works after the deletions.
    store.Profile().WriteInt("Setting", "X", 5);
    EXPECT_EQ(wt::RawDword("Setting", "X"), 5u);
}

TEST_F(RegistryTest, FormatsWrittenByTheStore) {
    store.SavePageSetup(1, PageSetup{4, 2, 40, 0x80});
    store.SaveHotKey(HotKeySetting{1, "F5", 1});
    ButtonEntry entry;
    entry.ShowMode = 1;
    entry.IconIndex = 12;
    store.SaveButton(1, 4, entry);
    EXPECT_EQ(wt::RawDword("Page1\\Button", "Num"), 4u);
    EXPECT_EQ(wt::RawString("Page1\\Button", "Data"), "2,40,128");
    EXPECT_EQ(wt::RawDword("HotKey", "SysKey"), 1u);
    EXPECT_EQ(wt::RawString("HotKey", "Key"), "F5");
    EXPECT_EQ(wt::RawDword("HotKey", "Do"), 1u);
    EXPECT_EQ(wt::RawString("Page1\\Btn4", "Data"), "1,12");
    EXPECT_EQ(wt::ValueCount("Page1\\Btn4"), 6);
}

}  // namespace
