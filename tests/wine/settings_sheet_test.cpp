// The settings sheet driven from inside the process: what each page shows
// and refuses, what OK applies and stores (and in which order), that
// Cancel applies nothing, and the hotkey that another program holds.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "res/resource.h"
#include "settings/hotkey_names.h"
#include "tests/wine/bar_fixture.h"
#include "tests/wine/handle_ledger.h"
#include "tests/wine/menu_watcher.h"
#include "tests/wine/modal_script.h"
#include "win/font_dpi.h"
#include "win/handles.h"

namespace {

constexpr char kSheet[] = "各種設定";
enum Tab { kDisplay, kClock, kButtons, kPages, kHotKey };

void Toggle(wt::ScriptWindow& w, int id) {
    SendMessageA(w.Item(id), BM_CLICK, 0, 0);
}

// Selects a line of a drop-down list as the user does: the page is told.
void Choose(wt::ScriptWindow& w, int id, int line) {
    HWND list = w.Item(id);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

// Picks a line of the font dialog's size list by its text.
void ChooseFontSize(wt::ScriptWindow& w, const char* points) {
    constexpr int kSizeList = 1138;
    const LRESULT line = SendMessageA(w.Item(kSizeList), CB_FINDSTRINGEXACT,
                                      static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(points));
    ASSERT_GE(line, 0) << points;
    Choose(w, kSizeList, static_cast<int>(line));
}

// The sample area of the clock page, which is never visible itself.
RECT SampleRect(wt::ScriptWindow& w) {
    HWND page = reinterpret_cast<HWND>(SendMessageA(w.Handle(), PSM_GETCURRENTPAGEHWND, 0, 0));
    RECT r{};
    GetWindowRect(GetDlgItem(page, IDC_WATCH_SAMPLE), &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE TextSize(HFONT font, const char* text) {
    WindowDC dc(nullptr);
    SelectScope keep(dc.Get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text, lstrlenA(text), &size);
    return size;
}

// The store below its root, leaving out the values the display page's
// button writes at once.
std::vector<std::string> StoreWithoutSavedState() {
    std::vector<std::string> values = StoreSnapshot();
    std::erase_if(values, [](const std::string& v) {
        for (const char* name :
             {"Setting:SetX=", "Setting:SetY=", "Setting:X=", "Setting:Y=", "Setting:SetOption="})
            if (v.rfind(name, 0) == 0) return true;
        return false;
    });
    return values;
}

class SettingsSheetTest : public BarFixture {
protected:
    // Runs the sheet through the bar's command with the script's steps.
    void OpenSettings() {
        SendMessageA(BarWnd(), WM_COMMAND, IDM_SETTINGS, 0);
        Pump();
    }
    // The bar as moved to a monitor of that scale.
    void MoveToDpi(int dpi) {
        RECT suggested = WindowRect();
        SendMessageA(BarWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    wt::ModalScript script;
};

TEST_F(SettingsSheetTest, CancelAfterChangesOnEveryPageAppliesNothing) {
    SeedSetting("Page", std::string("2,3"));
    SeedPage(2, 3, 1, 34);
    Start();
    const std::vector<std::string> before = StoreWithoutSavedState();
    const int option = Bar().Settings().option, width = Bar().ClockWidth();
    script.On(kSheet, [](wt::ScriptWindow& w) {
        Toggle(w, IDC_OPT_VERTICAL);
        Toggle(w, IDC_OPT_SAVE_STATE);
        w.ShowPage(kClock);
    });
    script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDC_WATCH_FONT); });
    script.On("フォントの指定", [](wt::ScriptWindow& w) {
        ChooseFontSize(w, "24");
        w.Press(IDOK);
    });
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kButtons); });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        Toggle(w, IDC_ICONCUSTOM_SAME);
        w.Type(IDC_ICONCUSTOM_SIZE, "20");
        w.ShowPage(kPages);
    });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        w.Type(IDC_ARRANGE_COUNT, "1");
        w.ShowPage(kHotKey);
    });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        Choose(w, IDC_HOTKEY_ACTION, 0);
        Toggle(w, IDC_HOTKEY_ALT);
        w.Press(IDCANCEL);
    });
    OpenSettings();
    EXPECT_EQ(StoreWithoutSavedState(), before);
    EXPECT_EQ(Bar().Settings().option, option);
    EXPECT_EQ(Bar().ClockWidth(), width);
    EXPECT_EQ(Bar().Settings().pageCount, 3);
    EXPECT_EQ(Bar().Settings().curPage, 2);
    EXPECT_EQ(Bar().Buttons().size(), 3u);
    EXPECT_EQ(Bar().Settings().hotKey, (HotKeySetting{6, "G", 2}));
    EXPECT_TRUE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G')) << "still registered";
    // The saved state stays: vertical marked, the marks of date and time kept.
    EXPECT_EQ(Bar().Settings().saved.option, 0x0F);
    EXPECT_EQ(wt::RawDword("Setting", "SetOption"), 0x0Fu);
    EXPECT_EQ(SendMessageA(Bar().Tips().Handle(), TTM_GETTOOLCOUNT, 0, 0), 4)
        << "the tips work again";
}

TEST_F(SettingsSheetTest, OkWithTheFirstTabOnlyWritesTheBarBackInOrder) {
    SeedSetting("Page", std::string("2,3"));
    SeedSetting("BtnSize", 40);
    SeedSetting("Option", 0x8B | OPT_SAMEALLPAGES);
    SeedSetting("BkColor", std::string("255"));
    SeedSetting("TextColor", std::string("16777215"));
    wt::RawWriteDword("HotKey", "SysKey", 1);
    wt::RawWriteString("HotKey", "Key", "F5");
    wt::RawWriteDword("HotKey", "Do", 1);
    Start();
    wt::HandleLedger ledger;
    script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDOK); });
    OpenSettings();
    EXPECT_EQ(ledger.WrittenValues(),
              (std::vector<std::string>{"Setting:Option", "Setting:BkColor", "Setting:TextColor",
                                        "Setting:BtnSize", "Setting:Page", "Setting:WatchFont",
                                        "Setting:WatchFontName", "HotKey:SysKey", "HotKey:Key",
                                        "HotKey:Do"}));
    EXPECT_EQ(wt::RawDword("Setting", "Option"), static_cast<DWORD>(0x8B | OPT_SAMEALLPAGES));
    EXPECT_EQ(wt::RawDword("Setting", "BtnSize"), 40u);
    EXPECT_EQ(wt::RawString("Setting", "BkColor"), "255");
    EXPECT_EQ(wt::RawString("Setting", "TextColor"), "16777215");
    EXPECT_EQ(wt::RawString("Setting", "Page"), "2,3");
    EXPECT_EQ(wt::RawString("HotKey", "Key"), "F5");
    EXPECT_EQ(Bar().Settings().hotKey, (HotKeySetting{1, "F5", 1}));
    EXPECT_TRUE(wt::HotKeyTaken(MOD_ALT, VK_F5)) << "registered again";
}

TEST_F(SettingsSheetTest, FewerPagesGoFromTheEndAndTheShownPageStays) {
    SeedSetting("Page", std::string("2,5"));
    for (int page = 1; page <= 5; ++page) SeedPage(page, 2, 1, 34);
    Start();
    wt::HandleLedger ledger;
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kPages); });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_ARRANGE_COUNT), "5");
        w.Type(IDC_ARRANGE_COUNT, "3");
        w.Press(IDOK);
    });
    OpenSettings();
    const std::vector<std::string> log = ledger.WrittenValues();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "Page5:(deleted)");
    EXPECT_EQ(log[1], "Page4:(deleted)");
    EXPECT_EQ(log[2], "Setting:Option") << "deletions come first";
    EXPECT_FALSE(wt::KeyExists(std::string(wt::kRoot) + "\\Page5"));
    EXPECT_FALSE(wt::KeyExists(std::string(wt::kRoot) + "\\Page4"));
    EXPECT_TRUE(wt::KeyExists(std::string(wt::kRoot) + "\\Page3\\Btn2"));
    EXPECT_EQ(Bar().Settings().curPage, 2);
    EXPECT_EQ(wt::RawString("Setting", "Page"), "2,3");
}

TEST_F(SettingsSheetTest, FewerPagesThanTheShownOneShowPageOneAndMoreBringThemBackEmpty) {
    SeedSetting("Page", std::string("4,5"));
    SeedPage(1, 1, 1, 34);
    for (int page = 2; page <= 5; ++page) SeedPage(page, 3, 1, 34);
    Start();
    auto setCount = [this](const char* count) {
        script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kPages); });
        script.On(kSheet, [count](wt::ScriptWindow& w) {
            w.Type(IDC_ARRANGE_COUNT, count);
            w.Press(IDOK);
        });
        OpenSettings();
    };
    setCount("3");
    EXPECT_EQ(Bar().Settings().curPage, 1);
    EXPECT_EQ(Bar().Buttons().size(), 1u) << "page 1 is shown";
    const std::vector<std::string> reduced = StoreValues();
    setCount("5");
    EXPECT_EQ(StoreValues(), reduced) << "raising deletes and adds nothing";
    Bar().SwitchPage(4);
    EXPECT_EQ(Bar().Settings().curPage, 4);
    EXPECT_TRUE(Bar().Buttons().empty()) << "a page given up comes back empty";
}

TEST_F(SettingsSheetTest, DisplayPageShowsItsBitsGreysTheClockAndSavesTheState) {
    Start();
    SetWindowPos(BarWnd(), nullptr, -12, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    script.On(kSheet, [](wt::ScriptWindow& w) {
        EXPECT_TRUE(w.IsChecked(IDC_OPT_DATE));
        EXPECT_TRUE(w.IsChecked(IDC_OPT_TIME));
        EXPECT_FALSE(w.IsChecked(IDC_OPT_VERTICAL));
        EXPECT_TRUE(w.IsChecked(IDC_OPT_TOPMOST));
        EXPECT_TRUE(w.IsEnabled(IDC_OPT_DATE));
        Toggle(w, IDC_OPT_SAVE_STATE);
        w.Press(IDOK);
    });
    OpenSettings();
    EXPECT_EQ(Bar().Settings().option, 0x8B) << "0x0B from the page and 0x80 from the button page";
    EXPECT_EQ(wt::RawDword("Setting", "SetX"), 0u);
    EXPECT_EQ(wt::RawDword("Setting", "X"), 0u);
    EXPECT_EQ(wt::RawDword("Setting", "SetY"), 40u);
    EXPECT_EQ(wt::RawDword("Setting", "Y"), 40u);
    EXPECT_EQ(wt::RawDword("Setting", "SetOption"), 0x0Bu);
    EXPECT_EQ(Bar().Settings().saved.x, 0);
    EXPECT_EQ(Bar().Settings().saved.y, 40);

    script.On(kSheet, [](wt::ScriptWindow& w) {
        Toggle(w, IDC_OPT_VERTICAL);
        EXPECT_FALSE(w.IsEnabled(IDC_OPT_DATE));
        EXPECT_FALSE(w.IsEnabled(IDC_OPT_TIME));
        EXPECT_TRUE(w.IsChecked(IDC_OPT_DATE)) << "greyed boxes keep their marks";
        w.Press(IDOK);
    });
    OpenSettings();
    EXPECT_EQ(Bar().Settings().option, 0x8F);
    EXPECT_EQ(Bar().ClockExtent(), 10) << "rebuilt vertical";
}

TEST_F(SettingsSheetTest, ButtonPageEnablesItsControlsAndRefusesSize51) {
    const int sizeControls[] = {IDC_ICONCUSTOM_LARGE,     IDC_ICONCUSTOM_FIT,
                                IDC_ICONCUSTOM_SIZE_SPIN, IDC_ICONCUSTOM_SIZE_GROUP,
                                IDC_ICONCUSTOM_RANGE,     IDC_ICONCUSTOM_ICON_GROUP,
                                IDC_ICONCUSTOM_SIZE};
    Start();
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kButtons); });
    script.On(kSheet, [&sizeControls](wt::ScriptWindow& w) {
        EXPECT_FALSE(w.IsChecked(IDC_ICONCUSTOM_SAME));
        EXPECT_TRUE(w.IsChecked(IDC_ICONCUSTOM_LARGE));
        EXPECT_EQ(w.Text(IDC_ICONCUSTOM_SIZE), "34");
        for (int id : sizeControls) EXPECT_FALSE(w.IsEnabled(id)) << id;
        w.Press(IDOK);
    });
    OpenSettings();
    EXPECT_EQ(Bar().Settings().option & kButtonOptionBits, 0x80);

    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kButtons); });
    script.On(kSheet, [&sizeControls](wt::ScriptWindow& w) {
        SendMessageA(w.Item(IDC_ICONCUSTOM_FIT), BM_SETCHECK, BST_CHECKED, 0);
        Toggle(w, IDC_ICONCUSTOM_SAME);
        for (int id : sizeControls) EXPECT_EQ(w.IsEnabled(id), id != IDC_ICONCUSTOM_LARGE) << id;
        w.Type(IDC_ICONCUSTOM_SIZE, "51");
        w.ShowPage(kPages);
    });
    script.OnMessage([](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(), "15 から 50 までの整数を入力してください。");
        box.Press(IDOK);
    });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Focus(), w.Item(IDC_ICONCUSTOM_SIZE)) << "stays on the page";
        w.Type(IDC_ICONCUSTOM_SIZE, "50");
        w.Press(IDOK);
    });
    OpenSettings();
    EXPECT_EQ(Bar().Settings().option & kButtonOptionBits, 0xE0);
    EXPECT_EQ(Bar().Settings().btnSize, 50);
    EXPECT_EQ(wt::RawDword("Setting", "BtnSize"), 50u);
}

TEST_F(SettingsSheetTest, ClockPageDrawsTheSampleAndANewFontReachesTheBar) {
    SeedSetting("WatchFont", std::string("-12,0,0,0,400,0,0,0,128,0,0,0,0"));
    SeedSetting("WatchFontName", std::string("ＭＳ Ｐゴシック"));
    Start();
    const SIZE text = TextSize(Bar().ClockFont(), "88/888");
    int newSampleWidth = 0;
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kClock); });
    script.On(kSheet, [&](wt::ScriptWindow& w) {
        HWND page = reinterpret_cast<HWND>(SendMessageA(w.Handle(), PSM_GETCURRENTPAGEHWND, 0, 0));
        const RECT r = SampleRect(w);
        EXPECT_EQ(r.right - r.left, text.cx + 10);
        EXPECT_EQ(r.bottom - r.top, std::clamp<int>(text.cy, 20, 45));
        // Panel and text in the bar's colours.
        UpdateWindow(page);
        WindowDC dc(page);
        EXPECT_EQ(GetPixel(dc.Get(), r.left + 1, r.top + 1), RGB(192, 192, 192));
        int inText = 0;
        for (int x = r.left; x < r.right; ++x)
            for (int y = r.top; y < r.bottom; y += 2)
                inText += GetPixel(dc.Get(), x, y) == RGB(64, 0, 64);
        EXPECT_GT(inText, 10) << "10:15 in dark purple";
        w.Press(IDC_WATCH_FONT);
    });
    script.On("フォントの指定", [](wt::ScriptWindow& w) {
        ChooseFontSize(w, "20");
        w.Press(IDOK);
    });
    script.On(kSheet, [&](wt::ScriptWindow& w) {
        const RECT r = SampleRect(w);
        newSampleWidth = r.right - r.left;
        w.Press(IDOK);
    });
    OpenSettings();
    const SIZE wider = TextSize(Bar().ClockFont(), "88/888");
    EXPECT_GT(wider.cx, text.cx);
    EXPECT_EQ(newSampleWidth, wider.cx + 10);
    EXPECT_EQ(Bar().ClockWidth(), wider.cx);
    EXPECT_EQ(Bar().ClockExtent(), 10 + 2 * wider.cx);
    EXPECT_EQ(WindowRect().right - WindowRect().left, 10 + 2 * wider.cx) << "rebuilt";
    LOGFONTA lf{};
    GetObjectA(Bar().ClockFont(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -MulDiv(20, GetDeviceCaps(WindowDC(nullptr).Get(), LOGPIXELSY), 72));
    EXPECT_EQ(wt::RawString("Setting", "WatchFont")->substr(0, 4),
              std::to_string(lf.lfHeight) + ",");
    EXPECT_EQ(wt::RawString("Setting", "WatchFontName"), "ＭＳ Ｐゴシック");
}

TEST_F(SettingsSheetTest, ClockFontStaysAsStoredThroughScalesAndAnUnchangedOk) {
    // The platform's default size, and a chosen size as high as it.
    const std::string records[] = {
        "0,0,0,0,0,0,0,0,0,0,0,0,0",
        "-" + std::to_string(DefaultFontHeight()) + ",0,0,0,400,0,0,0,128,0,0,0,0"};
    for (const std::string& record : records) {
        SeedSetting("WatchFont", record);
        Start();
        for (int dpi : {144, 96, 120, 96}) {
            MoveToDpi(dpi);
            script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDOK); });
            OpenSettings();
            EXPECT_EQ(wt::RawString("Setting", "WatchFont"), record) << "at " << dpi;
        }
        Exit();
        app.reset();
    }
}

TEST_F(SettingsSheetTest, FontDialogOffersAndStoresTheSizeSeenOnTheBarsMonitor) {
    SeedSetting("WatchFont", std::string("-16,0,0,0,400,0,0,0,128,0,0,0,0"));
    SeedSetting("WatchFontName", std::string("ＭＳ Ｐゴシック"));
    Start();
    MoveToDpi(144);
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kClock); });
    script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDC_WATCH_FONT); });
    script.On("フォントの指定", [](wt::ScriptWindow& w) {
        constexpr int kSizeList = 1138;
        EXPECT_EQ(w.Text(kSizeList), "12") << "16 pixels at 96 DPI";
        ChooseFontSize(w, "9");
        w.Press(IDOK);
    });
    script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDOK); });
    OpenSettings();
    EXPECT_EQ(wt::RawString("Setting", "WatchFont")->substr(0, 4), "-12,");
    LOGFONTA lf{};
    GetObjectA(Bar().ClockFont(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -18) << "9 points at 144 DPI";
}

TEST_F(SettingsSheetTest, HotKeyPageDefaultsAndNoHotKey) {
    Start();
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kHotKey); });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        EXPECT_FALSE(w.IsChecked(IDC_HOTKEY_ALT));
        EXPECT_TRUE(w.IsChecked(IDC_HOTKEY_CONTROL));
        EXPECT_TRUE(w.IsChecked(IDC_HOTKEY_SHIFT));
        EXPECT_EQ(w.Text(IDC_HOTKEY_KEY), "G");
        EXPECT_EQ(w.Text(IDC_HOTKEY_ACTION), "ﾒﾆｭｰを表示する。");
        EXPECT_EQ(SendMessageA(w.Item(IDC_HOTKEY_KEY), CB_GETCOUNT, 0, 0), 38);
        const int keyControls[] = {IDC_HOTKEY_ALT, IDC_HOTKEY_CONTROL, IDC_HOTKEY_SHIFT,
                                   IDC_HOTKEY_KEY, IDC_HOTKEY_PLUS};
        for (int id : keyControls) EXPECT_TRUE(w.IsEnabled(id)) << id;
        Choose(w, IDC_HOTKEY_ACTION, 0);
        EXPECT_EQ(w.Text(IDC_HOTKEY_ACTION), "ホットキーを使用しない。");
        for (int id : keyControls) EXPECT_FALSE(w.IsEnabled(id)) << id;
        w.Press(IDOK);
    });
    OpenSettings();
    EXPECT_EQ(Bar().Settings().hotKey, (HotKeySetting{6, "G", 0}));
    EXPECT_EQ(wt::RawDword("HotKey", "Do"), 0u);
    EXPECT_FALSE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G'));
    EXPECT_FALSE(UnregisterHotKey(BarWnd(), 150)) << "no hotkey registered";
}

TEST_F(SettingsSheetTest, NewCombinationWorksWithARealKeyPress) {
    wt::RawWriteString("HotKey", "Key", "F12");
    Start();
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kHotKey); });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_HOTKEY_KEY), "F12");
        Toggle(w, IDC_HOTKEY_SHIFT);
        Toggle(w, IDC_HOTKEY_ALT);
        Choose(w, IDC_HOTKEY_KEY, FindKeyLine("K"));
        w.Press(IDOK);
    });
    OpenSettings();
    EXPECT_EQ(Bar().Settings().hotKey, (HotKeySetting{3, "K", 2}));
    EXPECT_FALSE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F12)) << "the old one is released";
    wt::MenuWatcher watcher;
    // Marked when xdotool has sent everything, so that no key of this test
    // reaches the windows of the next one.
    const std::string marker = "/tmp/tarvix-settings-key-" + std::to_string(GetCurrentProcessId());
    const std::string windowsMarker = "Z:" + marker;
    DeleteFileA(windowsMarker.c_str());
    ASSERT_TRUE(wt::SendKeysToBar("ctrl+alt+k", marker));
    const DWORD end = GetTickCount() + 60000;
    while ((watcher.Menus().empty() ||
            GetFileAttributesA(windowsMarker.c_str()) == INVALID_FILE_ATTRIBUTES) &&
           static_cast<int>(end - GetTickCount()) > 0)
        PumpFor(50);
    EXPECT_EQ(watcher.Menus().size(), 1u) << "the page menu opened";
    DeleteFileA(windowsMarker.c_str());
}

TEST_F(SettingsSheetTest, RefusedHotKeyIsToldAndStoredAsChosen) {
    Start();
    UniqueWindow holder(
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(RegisterHotKey(holder.Get(), 9, MOD_ALT | MOD_SHIFT, 'K'));
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kHotKey); });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        Toggle(w, IDC_HOTKEY_CONTROL);
        Toggle(w, IDC_HOTKEY_ALT);
        Choose(w, IDC_HOTKEY_KEY, FindKeyLine("K"));
        w.Press(IDOK);
    });
    HWND bar = BarWnd();
    script.OnMessage([bar](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(),
                  "ﾎｯﾄｷｰ ALT + SHIFT + K は他のﾌﾟﾛｸﾞﾗﾑが使用しているため、登録できませんでした。");
        EXPECT_EQ(box.Owner(), bar);
        const HICON shown =
            reinterpret_cast<HICON>(SendMessageA(box.Item(1088), STM_GETICON, 0, 0));
        EXPECT_EQ(shown, LoadIconA(nullptr, IDI_WARNING)) << "the warning icon";
        box.Press(IDOK);
    });
    OpenSettings();
    EXPECT_EQ(wt::RawDword("HotKey", "SysKey"), 5u);
    EXPECT_EQ(wt::RawString("HotKey", "Key"), "K");
    EXPECT_EQ(Bar().Settings().hotKey, (HotKeySetting{5, "K", 2}));
    // An OK that leaves the hotkey alone says nothing more: a box here
    // would be a window no step waits for, and fail the script.
    script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDOK); });
    OpenSettings();
    EXPECT_TRUE(script.Done());
    UnregisterHotKey(holder.Get(), 9);
}

TEST_F(SettingsSheetTest, AKeyTheListDoesNotHoldStaysStored) {
    wt::RawWriteString("HotKey", "Key", "F13");
    Start();
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kHotKey); });
    script.On(kSheet, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_HOTKEY_KEY), "") << "no line is F13";
        w.Press(IDOK);
    });
    OpenSettings();
    EXPECT_EQ(wt::RawString("HotKey", "Key"), "F13");
}

TEST_F(SettingsSheetTest, FontDialogStartsAtTheDrawnFontAndColoursAreOwnedByThePage) {
    Start();  // the default, empty clock font record
    const int width = Bar().ClockWidth();
    char face[LF_FACESIZE] = "";
    {
        WindowDC dc(BarWnd());
        SelectScope font(dc.Get(), Bar().ClockFont());
        GetTextFaceA(dc.Get(), sizeof face, face);
    }
    script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kClock); });
    script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDC_WATCH_BK_COLOR); });
    script.On("色", [](wt::ScriptWindow& w) {
        wt::ScriptWindow sheet(GetAncestor(w.Owner(), GA_ROOT));
        EXPECT_EQ(sheet.Caption(), kSheet);
        EXPECT_FALSE(IsWindowEnabled(sheet.Handle())) << "the sheet waits behind the dialog";
        w.Press(IDCANCEL);
    });
    script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDC_WATCH_FONT); });
    script.On("フォントの指定", [&](wt::ScriptWindow& w) {
        constexpr int kFaceList = 1136;
        EXPECT_EQ(w.Text(kFaceList), face);
        w.Press(IDOK);
    });
    script.On(kSheet, [](wt::ScriptWindow& w) { w.Press(IDOK); });
    OpenSettings();
    EXPECT_EQ(Bar().ClockWidth(), width) << "OK as offered keeps the look";
}

TEST_F(SettingsSheetTest, SlowNoHandleGrowthOverManySheets) {
    wt::HandleLedger ledger;
    Start();
    auto cycle = [this](int button) {
        script.On(kSheet, [](wt::ScriptWindow& w) { w.ShowPage(kClock); });
        script.On(kSheet, [button](wt::ScriptWindow& w) { w.Press(button); });
        OpenSettings();
    };
    cycle(IDOK);
    cycle(IDCANCEL);
    ledger.ExpectNoGrowth(100, [&cycle] {
        cycle(IDOK);
        cycle(IDCANCEL);
    });
}

}  // namespace

namespace {

// Lets Wine put what was painted on the X display, without running the
// script's own timer.
void Settle(HWND sheet) {
    RedrawWindow(sheet, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    const DWORD end = GetTickCount() + 1200;
    while (static_cast<int>(end - GetTickCount()) > 0)
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_PAINT);
}

// The pictures of the README, taken from the virtual display:
//   TARVIX_SHOTS=<folder> wine_bar_tests.exe --gtest_also_run_disabled_tests
//       --gtest_filter=*Screenshots*
TEST_F(SettingsSheetTest, DISABLED_ScreenshotsOfEveryPage) {
    char folder[MAX_PATH] = "";
    ASSERT_GT(GetEnvironmentVariableA("TARVIX_SHOTS", folder, sizeof folder), 0u);
    Start();
    const char* names[] = {"display", "clock", "buttons", "pages", "hotkey"};
    for (int tab = 0; tab < 5; ++tab) {
        script.On(kSheet, [tab](wt::ScriptWindow& w) { w.ShowPage(tab); });
        script.On(kSheet, [&, tab](wt::ScriptWindow& w) {
            Settle(w.Handle());
            RECT r;
            GetWindowRect(w.Handle(), &r);
            const std::string shot = std::string(folder) + "/settings-" + names[tab] + ".png";
            const std::string windowsPath = "Z:" + shot;
            DeleteFileA(windowsPath.c_str());
            // The shell's process cannot be waited for: its picture is
            // renamed into place when complete.
            ASSERT_TRUE(
                wt::RunUnix("import -window root -crop " + std::to_string(r.right - r.left) + "x" +
                            std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) + "+" +
                            std::to_string(r.top) + " +repage png:" + shot + ".part && mv " + shot +
                            ".part " + shot));
            const DWORD end = GetTickCount() + 15000;
            while (GetFileAttributesA(windowsPath.c_str()) == INVALID_FILE_ATTRIBUTES &&
                   static_cast<int>(end - GetTickCount()) > 0)
                Sleep(50);
            EXPECT_NE(GetFileAttributesA(windowsPath.c_str()), INVALID_FILE_ATTRIBUTES);
            if (tab == 4) w.Press(IDCANCEL);
        });
    }
    OpenSettings();
}

}  // namespace
