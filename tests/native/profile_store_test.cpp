// The store's records on an in-memory registry: defaults, clamps and the
// formats things are written in.

#include <gtest/gtest.h>

#include "config/launcher_store.h"
#include "tests/native/memory_store.h"

namespace {

const char kRoot[] = "Software\\Quenlow\\Lumeq\\";

using StoreTest = MemoryStoreTest;

TEST_F(StoreTest, EmptyStoreGivesDefaultsAndCreatesNothing) {
    PageSetup setup{9, 9, 9, 9};
    store.LoadPageSetup(1, setup);
    EXPECT_EQ(setup, (PageSetup{0, 1, 34, 0}));
    EXPECT_FALSE(reg->HasKey("Software\\Quenlow\\Lumeq\\Page1"));

    ButtonEntry entry{"t", "a", "d", "p", 1, "i", 2};
    store.LoadButton(3, 4, entry);
    EXPECT_EQ(entry, ButtonEntry{});
    EXPECT_FALSE(reg->HasKey("software\\quenlow\\lumeq\\page3"));

    HotKeySetting hotKey{0, "", 0};
    store.LoadHotKey(hotKey);
    EXPECT_EQ(hotKey, (HotKeySetting{6, "G", 2}));
    EXPECT_EQ(store.LoadPageName(1), "");
    EXPECT_TRUE(reg->Writes().empty()) << "reading writes nothing";
}

struct PageRow {
    int num;
    const char* data;
    PageSetup expected;
};

TEST_F(StoreTest, PageSetupClamps) {
    const PageRow rows[] = {
        {-3, "1,34", {0, 1, 34, 0}},
        {5, "0,99,-5", {5, 1, 34, 0}},
        {1, "2", {1, 2, 34, 0}},
        {1, "3,15,64", {1, 3, 15, 64}},
        {1, "3,50,128", {1, 3, 50, 128}},
        {1, "3,14,0", {1, 3, 34, 0}},
        {1, "3,51,0", {1, 3, 34, 0}},
        {2147483647, "2147483647,20,192", {2147483647, 2147483647, 20, 192}},
        {1, "-2147483648,-1,-1", {1, 1, 34, 0}},
        {0, "junk", {0, 1, 34, 0}},
    };
    for (const PageRow& r : rows) {
        SCOPED_TRACE(r.data);
        PutInt("Page2\\Button", "Num", r.num);
        PutText("Page2\\Button", "Data", r.data);
        PageSetup setup;
        store.LoadPageSetup(2, setup);
        EXPECT_EQ(setup, r.expected);
    }
}

TEST_F(StoreTest, ValuesOfTheWrongTypeReadAsDefaults) {
    PutText("Page1\\Button", "Num", "7");
    PutInt("Page1\\Button", "Data", 3);
    PageSetup setup;
    store.LoadPageSetup(1, setup);
    EXPECT_EQ(setup, (PageSetup{0, 1, 34, 0}));

    PutInt("HotKey", "Key", 65);
    PutText("HotKey", "Do", "1");
    HotKeySetting hotKey;
    store.LoadHotKey(hotKey);
    EXPECT_EQ(hotKey.Key, "G");
    EXPECT_EQ(hotKey.Do, 2);
}

TEST_F(StoreTest, ButtonRoundTripAndFormat) {
    const ButtonEntry entry{"表示", "C:\\ソ\\app.exe", "C:\\ソ\\", "-n \"x\"", 2, "C:\\i.dll", -3};
    store.SaveButton(2, 7, entry);
    const std::vector<std::string> order = {"Title", "AppName", "Dir", "Parm", "Icon", "Data"};
    ASSERT_EQ(reg->Writes().size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(reg->Writes()[i], std::string(kRoot) + "Page2\\Btn7:" + order[i]);
    EXPECT_EQ(Text("Page2\\Btn7", "Data"), "2,-3");
    ButtonEntry back;
    store.LoadButton(2, 7, back);
    EXPECT_EQ(back, entry);
}

TEST_F(StoreTest, ButtonDataIsNotClamped) {
    struct Row {
        const char* data;
        int show, icon;
    } rows[] = {{"2", 2, 0}, {"a,b", 0, 0}, {"7,-1", 7, -1}, {"", 0, 0}, {",5", 0, 5}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.data);
        PutText("Page1\\Btn1", "Data", r.data);
        ButtonEntry entry;
        store.LoadButton(1, 1, entry);
        EXPECT_EQ(entry.ShowMode, r.show);
        EXPECT_EQ(entry.IconIndex, r.icon);
    }
}

TEST_F(StoreTest, PageSetupAndHotKeyWriteTheirValuesInOrder) {
    store.SavePageSetup(4, PageSetup{3, 2, 40, 0x40});
    store.SaveHotKey(HotKeySetting{1, "F5", 1});
    const std::vector<std::string> expected = {
        std::string(kRoot) + "Page4\\Button:Num", std::string(kRoot) + "Page4\\Button:Data",
        std::string(kRoot) + "HotKey:SysKey", std::string(kRoot) + "HotKey:Key",
        std::string(kRoot) + "HotKey:Do"};
    EXPECT_EQ(reg->Writes(), expected);
    EXPECT_EQ(Text("Page4\\Button", "Data"), "2,40,64");
    PageSetup setup;
    store.LoadPageSetup(4, setup);
    EXPECT_EQ(setup, (PageSetup{3, 2, 40, 0x40}));
    HotKeySetting hotKey;
    store.LoadHotKey(hotKey);
    EXPECT_EQ(hotKey, (HotKeySetting{1, "F5", 1}));
}

TEST_F(StoreTest, DeletingPagesFromTheTopRemovesTheirButtons) {
    for (int page = 1; page <= 5; ++page) {
        store.SavePageSetup(page, PageSetup{1, 1, 34, 0});
        ButtonEntry entry;
        entry.AppName = "x.exe";
        store.SaveButton(page, 1, entry);
    }
    for (int page = 5; page > 2; --page) store.DeletePageKey(page);
    const std::vector<std::string> expected = {"Software\\Quenlow\\Lumeq\\Page5",
                                               "Software\\Quenlow\\Lumeq\\Page4",
                                               "Software\\Quenlow\\Lumeq\\Page3"};
    EXPECT_EQ(reg->Deletions(), expected);
    EXPECT_FALSE(reg->HasKey("Software\\Quenlow\\Lumeq\\Page3\\Btn1"));
    EXPECT_TRUE(reg->HasKey("Software\\Quenlow\\Lumeq\\Page2\\Btn1"));

    // A page brought back into use starts empty.
    PageSetup setup;
    store.LoadPageSetup(4, setup);
    EXPECT_EQ(setup.ButtonCount, 0);
    ButtonEntry entry;
    store.LoadButton(4, 1, entry);
    EXPECT_EQ(entry.AppName, "");
}

TEST_F(StoreTest, KeyPathsForDeletion) {
    EXPECT_EQ(store.PageKeyPath(12), "Software\\Quenlow\\Lumeq\\Page12");
    EXPECT_EQ(store.ButtonKeyPath(2, 4), "Software\\Quenlow\\Lumeq\\Page2\\Btn4");
    EXPECT_EQ(PageSection(3), "Page3\\Button");
    EXPECT_EQ(ButtonSection(3, 11), "Page3\\Btn11");
}

TEST_F(StoreTest, PageNameRoundTrip) {
    store.SavePageName(2, "ﾂｰﾙ表示");
    EXPECT_EQ(store.LoadPageName(2), "ﾂｰﾙ表示");
    EXPECT_EQ(Text("Page2\\Button", "PageName"), "ﾂｰﾙ表示");
}

TEST(ButtonSlotOfKeyTest, OnlyNamesAsTheStoreWritesThem) {
    const std::pair<const char*, int> rows[] = {
        {"Btn1", 1},   {"btn7", 7},  {"Btn2147483647", 2147483647}, {"Btn2147483648", 0},
        {"Btn0", 0},   {"Btn01", 0}, {"Btn", 0},   {"Btn-1", 0},    {"Btn1x", 0},
        {"Button", 0}, {"XBtn1", 0}, {"Btn/", 0},  {"Btn:", 0},
    };
    for (const auto& [name, slot] : rows) EXPECT_EQ(ButtonSlotOfKey(name), slot) << name;
}

TEST_F(StoreTest, ExistingSlotsBoundTheCount) {
    EXPECT_EQ(store.ExistingSlotCount(1, 5), 0) << "a page without keys";
    for (int slot : {1, 2, 3}) store.SaveButton(1, slot, ButtonEntry{});
    for (const char* other : {"Page1\\Btn9x", "Page2\\Btn40", "Page1\\Btn3\\Btn50"})
        PutText(other, "Title", "x");
    const std::pair<int, int> rows[] = {{2147483647, 3}, {3, 3}, {2, 2}, {-1, 0}};
    for (const auto& [count, bounded] : rows)
        EXPECT_EQ(store.ExistingSlotCount(1, count), bounded) << count;
    store.ExistingSlotCount(7, 9);
    EXPECT_FALSE(reg->HasKey(std::string(kRoot) + "Page7")) << "asking creates nothing";
}

}  // namespace
