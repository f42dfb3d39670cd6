// The bar's menus, the commands behind them, page switching by keys and
// double-click, and restoring the saved state, through the real window
// procedures and the application's message handling.

#include "bar/clock_text.h"
#include "res/resource.h"
#include "tests/wine/bar_fixture.h"
#include "tests/wine/handle_ledger.h"
#include "tests/wine/menu_watcher.h"
#include "tests/wine/modal_script.h"
#include "tests/wine/probe_support.h"
#include "win/ansi_file_name.h"

namespace {

using wt::MenuItem;

class BarMenuTest : public BarFixture {
protected:
    // A key pressed and released as a user does it: the platform hands it
    // to whichever window has the focus, or to none.
    void Key(UINT vk) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = static_cast<WORD>(vk);
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ASSERT_EQ(SendInput(2, in, sizeof(INPUT)), 2u);
        Pump();
    }
    // A right click in the middle of a window, as a user makes it.
    void RightClick(HWND wnd) {
        RECT r;
        GetWindowRect(wnd, &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        ASSERT_EQ(SendInput(2, in, sizeof(INPUT)), 2u);
        Pump();
    }
    void FocusButton(size_t k) {
        SendMessageA(BarWnd(), WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(Bar().Buttons().at(k)->Handle()), TRUE);
        Pump();
    }
    int FocusedIndex() {
        CBarButton* b = Bar().ButtonAt(GetFocus());
        return b ? b->GetIndex() : -1;
    }
    void Pages(int count, int current = 1) {
        SeedSetting("Page", std::to_string(current) + "," + std::to_string(count));
    }
    void DoubleClick(int x, int y) {
        SendMessageA(BarWnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(x, y));
        Pump();
    }
};

void ExpectItem(const MenuItem& item, UINT id, const char* text) {
    EXPECT_EQ(item.id, id) << text;
    EXPECT_EQ(item.text, text);
    EXPECT_FALSE(item.Separator()) << text;
    EXPECT_FALSE(item.state & (MF_GRAYED | MF_DISABLED | MF_CHECKED)) << text;
}

void ExpectCommonItems(const std::vector<MenuItem>& items) {
    ASSERT_GE(items.size(), 8u);
    ExpectItem(items[0], 100, "ﾎﾞﾀﾝの追加と削除(&B)");
    ExpectItem(items[1], 101, "各種設定(&C)");
    ExpectItem(items[2], 102, "保存状態に戻す(&R)");
    EXPECT_TRUE(items[3].Separator());
    ExpectItem(items[4], 104, "ﾍﾙﾌﾟ(&H)");
    ExpectItem(items[5], 103, "ﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_TRUE(items[6].Separator());
    ExpectItem(items[7], 57665, "Tarvix の終了(&X)");
}

TEST_F(BarMenuTest, BarMenuInTheHorizontalLayout) {
    SeedSetting("X", 600);
    Start();
    wt::MenuWatcher watcher;
    PostMessageA(BarWnd(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(650, 120));
    Pump();
    ASSERT_EQ(watcher.Menus().size(), 1u);
    const auto& menu = watcher.Menus()[0];
    EXPECT_EQ(menu.items.size(), 8u);
    ExpectCommonItems(menu.items);
    EXPECT_EQ(menu.rect.right, 650) << "right-aligned at the pointer";
    EXPECT_EQ(menu.rect.top, 120);
}

TEST_F(BarMenuTest, BarMenuInTheVerticalLayoutTellsTheTime) {
    SeedSetting("Option", 0x8F);
    SeedSetting("X", 600);
    Start();
    wt::MenuWatcher watcher;
    const std::string earlier = "現在時刻  " + MenuTimeText(LocalTimeNow());
    Key(VK_ESCAPE);
    ASSERT_EQ(watcher.Menus().size(), 1u) << "Esc opens the bar's menu";
    const auto& items = watcher.Menus()[0].items;
    ASSERT_EQ(items.size(), 10u);
    ExpectCommonItems(items);
    EXPECT_TRUE(items[8].Separator());
    EXPECT_EQ(items[9].id, 0u);
    EXPECT_FALSE(items[9].state & (MF_GRAYED | MF_DISABLED));
    // The minute may turn while the menu opens: the time read after it is
    // the other candidate.
    const std::string after = "現在時刻  " + MenuTimeText(LocalTimeNow());
    EXPECT_TRUE(items[9].text == earlier || items[9].text == after)
        << items[9].text << " is neither " << earlier << " nor " << after;
    POINT origin{0, 0};
    ClientToScreen(BarWnd(), &origin);
    EXPECT_EQ(watcher.Menus()[0].rect.right, origin.x) << "at the bar's client origin";
    // Choosing the time line does nothing.
    const std::vector<std::string> before = StoreValues();
    PostMessageA(BarWnd(), WM_COMMAND, 0, 0);
    Pump();
    EXPECT_EQ(StoreValues(), before);
    EXPECT_TRUE(IsWindow(BarWnd()));
}

TEST_F(BarMenuTest, PageMenuLabelsAndCheckMarks) {
    struct Case {
        int count, current;
    } cases[] = {{1, 1}, {2, 2}, {12, 4}, {25, 21}};
    wt::RawWriteString("Page3\\Button", "PageName", "ﾂｰﾙ表示");
    wt::RawWriteString("Page11\\Button", "PageName", "ソフト");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        Pages(c.count, c.current);
        Start();
        std::vector<MenuItem> items = wt::ReadMenu(Bar().BuildPageMenu().Get());
        ASSERT_EQ(items.size(), static_cast<size_t>(c.count));
        for (int p = 1; p <= c.count; ++p) {
            const MenuItem& item = items[p - 1];
            std::string name = p == 3 ? "ﾂｰﾙ表示" : p == 11 ? "ソフト" : "Page" + std::to_string(p);
            EXPECT_EQ(item.text, p <= 9 ? "&" + std::to_string(p) + " " + name : name);
            EXPECT_EQ(item.id, static_cast<UINT>(400 + p));
            EXPECT_EQ(item.Checked(), p == c.current) << p;
            EXPECT_FALSE(item.state & (MF_GRAYED | MF_DISABLED));
        }
        app.reset();
        Pump();
    }
}

TEST_F(BarMenuTest, ChoosingAPageFromTheMenuShowsIt) {
    Pages(12);
    SeedPage(2, 3, 1, 34);
    SeedPage(1, 1, 1, 34);  // a button to hold the focus
    SeedPage(12, 5, 1, 34);
    Start();
    {
        wt::MenuWatcher watcher({'2'});
        Key(VK_F11);
        ASSERT_EQ(watcher.Menus().size(), 1u) << "F11 opens the page menu";
        EXPECT_EQ(watcher.Menus()[0].items.size(), 12u);
    }
    Pump();
    EXPECT_EQ(Bar().Settings().curPage, 2);
    EXPECT_EQ(Bar().Buttons().size(), 3u);
    {
        // Item 12 has no access key: Up from no selection takes the last item.
        wt::MenuWatcher watcher({VK_UP, VK_RETURN});
        Key(VK_F11);
    }
    Pump();
    EXPECT_EQ(Bar().Settings().curPage, 12);
    EXPECT_EQ(Bar().Buttons().size(), 5u);
    // Pages above 20 carry ids that switch nothing.
    PostMessageA(BarWnd(), WM_COMMAND, 421, 0);
    Pump();
    EXPECT_EQ(Bar().Settings().curPage, 12);
}

TEST_F(BarMenuTest, FunctionKeysSwitchPages) {
    Pages(5);
    for (int p = 1; p <= 5; ++p) SeedPage(p, p, 1, 34);
    Start();
    const std::vector<std::string> before = StoreValues();
    Key(VK_F3);
    EXPECT_EQ(Bar().Settings().curPage, 3);
    EXPECT_EQ(Bar().Buttons().size(), 3u);
    Key(VK_F7);
    EXPECT_EQ(Bar().Settings().curPage, 3) << "F7 with five pages does nothing";
    Key(VK_F5);
    EXPECT_EQ(Bar().Settings().curPage, 5);
    Key(VK_F1);
    EXPECT_EQ(Bar().Settings().curPage, 1);
    EXPECT_EQ(StoreValues(), before) << "switching pages writes nothing";
}

TEST_F(BarMenuTest, F10ArrivesAsASystemKeyAndStillSwitches) {
    Pages(10);
    SeedPage(10, 2, 1, 34);
    Start();
    Key(VK_F10);
    EXPECT_EQ(Bar().Settings().curPage, 10);
    EXPECT_EQ(Bar().Buttons().size(), 2u);
}

TEST_F(BarMenuTest, ArrowsMoveTheFocusAcrossLines) {
    SeedPage(1, 7, 2, 34);
    Start();
    FocusButton(2);
    Key(VK_DOWN);
    EXPECT_EQ(FocusedIndex(), 6);
    FocusButton(5);
    Key(VK_DOWN);
    EXPECT_EQ(FocusedIndex(), 5) << "9 lies beyond the page";
    FocusButton(1);
    Key(VK_UP);
    EXPECT_EQ(FocusedIndex(), 1);
    FocusButton(6);
    Key(VK_UP);
    EXPECT_EQ(FocusedIndex(), 2);
    FocusButton(4);
    Key(VK_UP);
    EXPECT_EQ(FocusedIndex(), 0) << "onto the first button";
    EXPECT_EQ(Bar().Settings().curPage, 1);
}

TEST_F(BarMenuTest, ArrowsAcrossColumnsInTheVerticalLayout) {
    SeedSetting("Option", 0x8F);
    SeedPage(1, 7, 2, 34);
    Start();
    FocusButton(1);
    Key(VK_RIGHT);
    EXPECT_EQ(FocusedIndex(), 5);
    Key(VK_LEFT);
    EXPECT_EQ(FocusedIndex(), 1);
    Key(VK_LEFT);
    EXPECT_EQ(FocusedIndex(), 1);
}

TEST_F(BarMenuTest, DoubleClickWithOneTwoAndThreePages) {
    Pages(1);
    Start();
    {
        wt::MenuWatcher watcher;
        DoubleClick(120, 110);
        EXPECT_TRUE(watcher.Menus().empty());
        EXPECT_EQ(Bar().Settings().curPage, 1);
    }
    app.reset();
    Pump();

    Pages(2);
    SeedPage(2, 2, 1, 34);
    Start();
    {
        wt::MenuWatcher watcher;
        DoubleClick(120, 110);
        EXPECT_EQ(Bar().Settings().curPage, 2);
        EXPECT_EQ(Bar().Buttons().size(), 2u);
        DoubleClick(120, 110);
        EXPECT_EQ(Bar().Settings().curPage, 1);
        EXPECT_TRUE(watcher.Menus().empty()) << "two pages never open the menu";
    }
    app.reset();
    Pump();

    Pages(3);
    SeedSetting("X", 600);
    Start();
    wt::MenuWatcher watcher({'3'});
    DoubleClick(630, 115);
    ASSERT_EQ(watcher.Menus().size(), 1u);
    EXPECT_EQ(watcher.Menus()[0].items.size(), 3u);
    EXPECT_EQ(watcher.Menus()[0].rect.right, 630) << "right-aligned at the pointer";
    EXPECT_EQ(watcher.Menus()[0].rect.top, 115);
    Pump();
    EXPECT_EQ(Bar().Settings().curPage, 3);
}

TEST_F(BarMenuTest, RestoreSavedStateKeepsTheButtonBits) {
    SeedSetting("Option", 0xAB);
    SeedSetting("X", 500);
    SeedSetting("Y", 400);
    SeedPage(1, 2, 1, 34);
    Start();
    EXPECT_EQ(WindowRect().left, 500);
    const std::vector<std::string> before = StoreValues();
    PostMessageA(BarWnd(), WM_COMMAND, 102, 0);
    Pump();
    EXPECT_EQ(Bar().Settings().option, 0xAB);
    RECT r = WindowRect();
    EXPECT_EQ(r.left, 100) << "the saved position";
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(StoreValues(), before) << "only Option, X and Y, which exist already";
    EXPECT_EQ(wt::RawDword("Setting", "Option"), 0xABu);
    EXPECT_EQ(wt::RawDword("Setting", "X"), 100u);
    EXPECT_EQ(wt::RawDword("Setting", "Y"), 100u);
}

TEST_F(BarMenuTest, RestoreTakesTheSavedDisplayBitsAndPosition) {
    SeedSetting("Option", 0x0B | OPT_FITICON);
    SeedSetting("SetOption", 0x06);  // time, vertical, not topmost
    SeedSetting("SetX", 40);
    SeedSetting("SetY", 60);
    SeedPage(1, 4, 1, 30);
    Start();
    PostMessageA(BarWnd(), WM_COMMAND, 102, 0);
    Pump();
    EXPECT_EQ(Bar().Settings().option, 0x06 | OPT_FITICON);
    RECT r = WindowRect();
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 30) << "laid out vertically";
    EXPECT_EQ(r.bottom - r.top, 10 + 4 * 30);
    EXPECT_FALSE(GetWindowLongA(BarWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(wt::RawDword("Setting", "Option"), static_cast<DWORD>(0x06 | OPT_FITICON));
}

TEST_F(BarMenuTest, VersionBoxFromTheMenu) {
    Start();
    wt::ModalScript script;
    script.On("Tarvix のﾊﾞｰｼﾞｮﾝ情報", [](wt::ScriptWindow& box) {
        EXPECT_TRUE(box.HasText("Tarvix Version 2.11"));
        EXPECT_EQ(box.ButtonIds(), std::vector<int>{IDOK});
        EXPECT_NE(box.Icon(), nullptr);
        box.Press(IDOK);
    });
    {
        wt::MenuWatcher watcher({'a'});
        Key(VK_ESCAPE);
    }
    Pump();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(IsWindow(BarWnd()));
}

TEST_F(BarMenuTest, HelpOpensTheGuideAndSaysSoWhenItIsMissing) {
    const std::wstring help = CBarDlg::HelpFilePath();
    const std::string guide = wt::TestDir() + "Tarvix.html";
    wchar_t module[MAX_PATH];
    const std::wstring exe(module, GetModuleFileNameW(nullptr, module, MAX_PATH));
    EXPECT_TRUE(help == exe.substr(0, exe.size() - 3) + L"HLP") << "the module's name, .HLP";
    EXPECT_TRUE(CBarDlg::GuidePath() == WideOf(guide));
    DeleteFileW(help.c_str());
    DeleteFileA(guide.c_str());
    Start();
    {
        wt::ModalScript script;
        script.OnMessage([&guide](wt::ScriptWindow& box) {
            EXPECT_NE(box.MessageText().find(guide), std::string::npos) << "names the guide";
            box.Press(IDOK);
        });
        PostMessageA(BarWnd(), WM_COMMAND, IDM_HELP, 0);
        Pump();
        EXPECT_TRUE(script.Done());
        EXPECT_FALSE(FindWindowA(nullptr, "エラー")) << "no help viewer question is left open";
    }
    // With the guide beside the program, the shell gets exactly that file.
    wt::ProbeLog log;
    wt::DocumentType html(".html", wt::TestDir() + "launch_probe.exe");
    struct Remove {
        std::string path;
        ~Remove() { DeleteFileA(path.c_str()); }
    } remove{guide};
    CloseHandle(CreateFileA(guide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    wt::HandleLedger ledger;
    wt::ModalScript script;  // no message beside the guide: any box fails it
    PostMessageA(BarWnd(), WM_COMMAND, IDM_HELP, 0);
    Pump();
    EXPECT_EQ(ledger.ShellStarts(), std::vector<std::string>{guide});
    auto runs = log.Wait(1, 15000, [this] { Pump(); });
    ASSERT_EQ(runs.size(), 1u) << "the guide was not opened";
    EXPECT_EQ(wt::ArgumentsOf(runs[0]["cmdline"]), "\"" + guide + "\" ");
}

// A second right press soon after the first reaches a window as a
// double-click; it opens the menu again all the same.
TEST_F(BarMenuTest, QuickSecondRightClickOpensTheMenuAgain) {
    SeedPage(1, 2, 1, 34);
    Start();
    wt::MenuWatcher watcher;  // closes each menu
    RightClick(Bar().Buttons()[1]->Handle());
    RightClick(Bar().Buttons()[1]->Handle());
    EXPECT_EQ(watcher.Menus().size(), 2u) << "the button's own menu";
    RightClick(BarWnd());
    RightClick(BarWnd());
    EXPECT_EQ(watcher.Menus().size(), 4u) << "the bar's menu, from its strip";
}

TEST_F(BarMenuTest, ExitFromTheMenu) {
    Pages(3, 2);
    Start();
    {
        wt::MenuWatcher watcher({'x'});
        Key(VK_ESCAPE);
    }
    for (int i = 0; i < 100 && app->MainWnd(); ++i) PumpFor(10);
    EXPECT_EQ(app->MainWnd(), nullptr);
    EXPECT_EQ(wt::RawString("Setting", "Page"), "2,3");
    EXPECT_EQ(wt::RawDword("Setting", "X"), 100u);
}

}  // namespace
