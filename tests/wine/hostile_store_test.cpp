// Hand-edited, copied and damaged stores on the real registry: every value
// with the wrong type, empty, 64 KB long, with broken Shift-JIS or absurd
// numbers, and pages and slots missing. The bar must come up, show what it
// can, go down again, and write nothing but "Page", "X" and "Y".

#include <functional>
#include <map>

#include "tests/wine/bar_fixture.h"

namespace {

bool WrittenAtExit(const std::string& key, const std::string& name) {
    return key == "Setting" && (name == "Page" || name == "X" || name == "Y");
}

// Everything that was there is still there, unchanged; what is new is the
// exit's "Page", "X" and "Y", and empty keys that reading creates.
void ExpectNothingElseWritten(const StoreTree& before, const StoreTree& after) {
    for (const auto& [key, values] : before) {
        auto found = after.find(key);
        ASSERT_NE(found, after.end()) << key << " was deleted";
        for (const auto& [name, value] : values) {
            if (WrittenAtExit(key, name)) continue;
            auto now = found->second.find(name);
            ASSERT_NE(now, found->second.end()) << key << ":" << name << " was deleted";
            EXPECT_TRUE(now->second == value) << key << ":" << name << " was changed";
        }
    }
    for (const auto& [key, values] : after) {
        for (const auto& [name, value] : values) {
            const bool old = before.count(key) && before.at(key).count(name);
            EXPECT_TRUE(old || WrittenAtExit(key, name)) << key << ":" << name << " was written";
        }
    }
}

struct Raw {
    const char* what;
    DWORD type;
    std::string bytes;
};

std::string Text(const std::string& text) {
    return text + '\0';
}
std::string Dword(DWORD v) {
    return std::string(reinterpret_cast<const char*>(&v), sizeof v);
}

std::string LongText() {
    std::string text;
    while (text.size() < 65536) text += "12,表ソ,";
    return Text(text.substr(0, 65535));
}

// What a damaged integer value may hold.
std::vector<Raw> IntVariants() {
    return {{"text", REG_SZ, Text("34")},
            {"binary", REG_BINARY, std::string("\xFF\xFF\xFF\x7F", 4)},
            {"no bytes", REG_DWORD, ""},
            {"eight bytes", REG_QWORD, std::string("\x01\0\0\0\0\0\0\x80", 8)},
            {"2147483647", REG_DWORD, Dword(2147483647)},
            {"-2147483648", REG_DWORD, Dword(0x80000000)},
            {"64 KB text", REG_SZ, LongText()}};
}

// What a damaged text value may hold.
std::vector<Raw> TextVariants() {
    return {{"number", REG_DWORD, Dword(7)},
            {"binary", REG_BINARY, "12"},
            {"empty", REG_SZ, Text("")},
            {"no bytes", REG_SZ, ""},
            {"64 KB", REG_SZ, LongText()},
            {"lone lead byte", REG_SZ, Text("\x81")},
            {"lead byte before the end", REG_SZ, Text("C:\\ab\x81")},
            {"no terminator", REG_SZ, "C:\\\x95"},
            {"2147483647", REG_SZ, Text("2147483647")},
            {"-2147483648", REG_SZ, Text("-2147483648")},
            {"20 digits", REG_SZ, Text("99999999999999999999")},
            {"no comma", REG_SZ, Text("7")},
            {"twenty commas", REG_SZ, Text(std::string(20, ','))}};
}

struct Slot {
    const char* section;
    const char* name;
    bool isInt;
};

const Slot kSlots[] = {
    {"Setting", "Page", false},       {"Setting", "BtnSize", true},
    {"Setting", "Option", true},      {"Setting", "SetOption", true},
    {"Setting", "SetX", true},        {"Setting", "SetY", true},
    {"Setting", "X", true},           {"Setting", "Y", true},
    {"Setting", "BkColor", false},    {"Setting", "TextColor", false},
    {"Setting", "WatchFont", false},  {"Setting", "WatchFontName", false},
    {"HotKey", "SysKey", true},       {"HotKey", "Key", false},
    {"HotKey", "Do", true},           {"Page1\\Button", "Num", true},
    {"Page1\\Button", "Data", false}, {"Page1\\Button", "PageName", false},
    {"Page1\\Btn2", "Title", false},  {"Page1\\Btn2", "AppName", false},
    {"Page1\\Btn2", "Dir", false},    {"Page1\\Btn2", "Parm", false},
    {"Page1\\Btn2", "Icon", false},   {"Page1\\Btn2", "Data", false},
};

class HostileStoreTest : public BarFixture {
protected:
    // A sound store of two pages: every value the program reads is there.
    void SeedSoundStore() {
        SeedSetting("Page", std::string("1,2"));
        for (const char* name : {"BtnSize", "Option", "SetOption", "SetX", "SetY", "X", "Y"})
            SeedSetting(name, name == std::string("Option") ? DWORD{139} : DWORD{34});
        SeedSetting("BkColor", std::string("12632256"));
        SeedSetting("TextColor", std::string("4194368"));
        SeedSetting("WatchFont", std::string("-12,0,0,0,400,0,0,0,128,0,0,0,0"));
        SeedSetting("WatchFontName", std::string("ＭＳ Ｐゴシック"));
        wt::RawWriteDword("HotKey", "SysKey", 6);
        wt::RawWriteString("HotKey", "Key", "G");
        wt::RawWriteDword("HotKey", "Do", 2);
        std::vector<ButtonEntry> entries(3);
        for (int i = 0; i < 3; ++i)
            entries[i] = {"ﾎﾞﾀﾝ" + std::to_string(i),
                          "C:\\表示\\b" + std::to_string(i) + ".exe",
                          "C:\\",
                          "-x",
                          1,
                          "shell32.dll",
                          3};
        SeedEntries(1, entries, 1, 34, 0x80);
        wt::RawWriteString("Page1\\Button", "PageName", "表示");
        SeedEntries(2, {entries[0], entries[1]}, 2, 20, 0);
    }

    // Starts on the store as it is, works the bar a little, exits, and
    // checks what it wrote. `buttons` is the count page 1 must show, or -1
    // when the damage may change it.
    void StartWorkAndExit(int buttons) {
        const StoreTree before = ReadStoreTree();
        Start();
        ASSERT_TRUE(IsWindowVisible(BarWnd()));
        ExpectUsableBar();
        if (buttons >= 0) {
            EXPECT_EQ(static_cast<int>(Bar().Buttons().size()), buttons);
        }
        EXPECT_LE(Bar().Buttons().size(), static_cast<size_t>(kMaxPageButtons));
        RedrawWindow(BarWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageA(BarWnd(), WM_TIMER, 1, 0);
        Bar().SwitchPage(2);
        Bar().SwitchPage(1);
        ExpectUsableBar();
        Exit();
        ASSERT_EQ(app->MainWnd(), nullptr) << "the bar did not go down";
        app.reset();
        ExpectNothingElseWritten(before, ReadStoreTree());
    }

    void ExpectUsableBar() {
        const RECT r = WindowRect();
        EXPECT_GE(r.right - r.left, 1);
        EXPECT_LE(r.right - r.left, kMaxCoordinate);
        EXPECT_GE(r.bottom - r.top, 1);
        EXPECT_LE(r.bottom - r.top, kMaxCoordinate);
    }

    static void Put(const Slot& slot, const Raw& raw) {
        wt::RawWrite(slot.section, slot.name, raw.type, raw.bytes.data(),
                     static_cast<DWORD>(raw.bytes.size()));
    }

    // Damage that may change how many buttons page 1 shows.
    static bool ChangesPageOne(const Slot& slot) {
        const std::string name = slot.name;
        return name == "Page" || name == "Num";
    }
};

class SlowHostileStoreTest : public HostileStoreTest {};

// Each kind of damage given to every value at once, but for the button
// count and the page, which the slow test damages alone (an absurd count
// loads a thousand buttons, and that takes seconds).
TEST_F(HostileStoreTest, EveryOtherValueDamagedAtOnce) {
    const std::vector<Raw> ints = IntVariants(), texts = TextVariants();
    for (size_t v = 0; v < texts.size(); ++v) {
        const Raw& asInt = ints[v % ints.size()];
        const Raw& asText = texts[v];
        SCOPED_TRACE(std::string("integers: ") + asInt.what + ", texts: " + asText.what);
        wt::ClearStore();
        SeedSoundStore();
        for (const Slot& slot : kSlots) {
            if (!ChangesPageOne(slot)) Put(slot, slot.isInt ? asInt : asText);
        }
        StartWorkAndExit(-1);
    }
}

// Each value alone with each kind of damage: the rest of the bar is shown.
TEST_F(SlowHostileStoreTest, EachValueDamagedAlone) {
    for (const Slot& slot : kSlots) {
        for (const Raw& raw : slot.isInt ? IntVariants() : TextVariants()) {
            SCOPED_TRACE(std::string(slot.section) + ":" + slot.name + " " + raw.what);
            wt::ClearStore();
            SeedSoundStore();
            Put(slot, raw);
            StartWorkAndExit(ChangesPageOne(slot) ? -1 : 3);
        }
    }
}

TEST_F(HostileStoreTest, PagesMissingInTheMiddleShowEmpty) {
    SeedSoundStore();
    SeedSetting("Page", std::string("2,4"));
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(wt::kRoot) + "\\Page2").c_str());
    SeedPage(4, 5, 1, 34);
    const StoreTree before = ReadStoreTree();
    Start();
    EXPECT_EQ(Bar().Settings().curPage, 2);
    EXPECT_TRUE(Bar().Buttons().empty()) << "page 2 is there, with no buttons";
    Bar().SwitchPage(3);
    EXPECT_TRUE(Bar().Buttons().empty());
    Bar().SwitchPage(4);
    EXPECT_EQ(Bar().Buttons().size(), 5u);
    Exit();
    app.reset();
    ExpectNothingElseWritten(before, ReadStoreTree());
}

TEST_F(HostileStoreTest, SlotsMissingInTheMiddleGiveEmptyButtons) {
    SeedSoundStore();
    wt::RawWriteDword("Page1\\Button", "Num", 5);
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(wt::kRoot) + "\\Page1\\Btn2").c_str());
    wt::RawWriteString("Page1\\Btn5", "Title", "ﾀｲﾄﾙだけ");
    StartWorkAndExit(5);
}

struct SizeRow {
    int stored;
    bool sameForAll;
    int used;
};

TEST_F(HostileStoreTest, UnusableCommonSizesFallBackTo34AndNothingIsWrittenBack) {
    const SizeRow rows[] = {
        {0, true, 34}, {-5, true, 34}, {100000, true, 34}, {20, true, 20},
        {1, true, 1},  {0, false, 22}, {-5, false, 22},    {100000, false, 22},
    };
    for (const SizeRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.stored) +
                     (row.sameForAll ? " for all pages" : " per page"));
        wt::ClearStore();
        SeedPage(1, 3, 1, 22);
        SeedSetting("BtnSize", static_cast<DWORD>(row.stored));
        SeedSetting("Option", DWORD(row.sameForAll ? 0xAB : 0x8B));
        const StoreTree before = ReadStoreTree();
        Start();
        EXPECT_EQ(Bar().Settings().btnSize, row.used);
        const RECT r = WindowRect();
        EXPECT_EQ(r.bottom - r.top, row.used);
        EXPECT_EQ(r.right - r.left, Bar().ClockExtent() + 3 * row.used);
        Exit();
        app.reset();
        ExpectNothingElseWritten(before, ReadStoreTree());
        EXPECT_EQ(wt::RawDword("Setting", "BtnSize"), static_cast<DWORD>(row.stored));
    }
}

}  // namespace
