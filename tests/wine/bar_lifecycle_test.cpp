// One copy per desktop, exit and the shutdown query, handle counts across
// rebuilds, and a hand-edited store with absurd values.

#include <windows.h>
#include <commctrl.h>

#include "app/host_wnd.h"
#include "tests/wine/bar_fixture.h"
#include "tests/wine/handle_ledger.h"

namespace {

class BarLifecycleTest : public BarFixture {};

// Runs Tarvix.exe and waits for it; its exit code, or -1 if still running.
int RunSecondCopy(DWORD waitMs) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    char command[] = TARVIX_EXE;
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -2;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, waitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

TEST_F(BarLifecycleTest, SecondCopyEndsAtOnceAndWritesNothing) {
    SeedPage(1, 2, 1, 34);
    Start();
    const std::vector<std::string> before = StoreValues();
    EXPECT_EQ(RunSecondCopy(15000), 0);
    CLauncherApp second;
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(StoreValues(), before);
    EXPECT_TRUE(IsWindowVisible(BarWnd()));
    EXPECT_EQ(Bar().Buttons().size(), 2u) << "the running copy is untouched";
}

TEST_F(BarLifecycleTest, AnyWindowTitledTarvixPreventsStartUp) {
    HWND other = CreateWindowExA(0, "STATIC", "tarvix", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(RunSecondCopy(15000), 0);
    CLauncherApp blocked;
    EXPECT_FALSE(blocked.InitInstance());
    EXPECT_EQ(blocked.MainWnd(), nullptr);
    EXPECT_FALSE(wt::KeyExists("Software\\Quenlow")) << "nothing is read or written";
    DestroyWindow(other);
}

TEST_F(BarLifecycleTest, StartUpActivatesTheBarOnceItIsPainted) {
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 500, 500, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    app = std::make_unique<CLauncherApp>();
    ASSERT_TRUE(app->InitInstance());
    EXPECT_TRUE(IsWindowVisible(BarWnd()));
    EXPECT_EQ(GetForegroundWindow(), other) << "shown, not yet active";
    AwaitFirstPaint();
    EXPECT_EQ(GetForegroundWindow(), BarWnd());
    DestroyWindow(other);
}

TEST_F(BarLifecycleTest, ExitWritesPageAndPositionOnly) {
    SeedSetting("Page", std::string("1,3"));
    SeedPage(2, 3, 1, 34);
    Start();
    Bar().SwitchPage(2);
    Bar().PlaceWindow(250, 60);
    const std::vector<std::string> before = StoreValues();
    Exit();
    EXPECT_EQ(app->MainWnd(), nullptr);
    EXPECT_TRUE(quitSeen);
    EXPECT_FALSE(FindWindowA(nullptr, "Tarvix"));
    std::vector<std::string> expected = before;
    expected.push_back("Setting:X");
    expected.push_back("Setting:Y");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(StoreValues(), expected);
    EXPECT_EQ(wt::RawString("Setting", "Page"), "2,3");
    EXPECT_EQ(wt::RawDword("Setting", "X"), 250u);
    EXPECT_EQ(wt::RawDword("Setting", "Y"), 60u);
}

TEST_F(BarLifecycleTest, NegativePositionIsSavedUnchanged) {
    Start();
    SetWindowPos(BarWnd(), nullptr, -40, -3, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Exit();
    EXPECT_EQ(wt::RawDword("Setting", "X"), static_cast<DWORD>(-40));
    EXPECT_EQ(wt::RawDword("Setting", "Y"), static_cast<DWORD>(-3));
}

// The shutdown query answered yes: the page and position saved, the bar
// torn down. The store must hold exactly this afterwards.
void ExpectSavedForShutdown() {
    const std::vector<std::string> expected = {
        "Page1\\Btn1:AppName", "Page1\\Btn2:AppName", "Page1\\Btn3:AppName",
        "Page1\\Btn4:AppName", "Page1\\Button:Data",  "Page1\\Button:Num",
        "Setting:Page",        "Setting:X",           "Setting:Y"};
    EXPECT_EQ(StoreValues(), expected);
    EXPECT_EQ(wt::RawString("Setting", "Page"), "1,2");
}

TEST_F(BarLifecycleTest, SessionThatEndsFindsTheBarSavedAndTornDown) {
    SeedPage(1, 4, 1, 34);
    Start();
    ASSERT_EQ(Bar().Buttons().size(), 4u);
    EXPECT_EQ(SendMessageA(BarWnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageA(BarWnd(), WM_ENDSESSION, TRUE, 0);
    ExpectSavedForShutdown();
    EXPECT_TRUE(IsWindow(BarWnd())) << "the system ends the process, not the bar";
    EXPECT_TRUE(Bar().Buttons().empty());
    EXPECT_EQ(VisibleButtonCount(), 0);
    EXPECT_EQ(Bar().Tips().GetToolCount(), 1);
    EXPECT_FALSE(KillTimer(BarWnd(), 1)) << "the clock timer was stopped";
    EXPECT_FALSE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G')) << "the hotkey was released";
}

TEST_F(BarLifecycleTest, CancelledShutdownBringsTheBarBackAsItWas) {
    SeedPage(1, 4, 1, 34);
    Start();
    Bar().PlaceWindow(230, 70);
    const RECT before = WindowRect();
    ASSERT_TRUE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G'));
    EXPECT_EQ(SendMessageA(BarWnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_TRUE(Bar().Buttons().empty());
    SendMessageA(BarWnd(), WM_ENDSESSION, FALSE, 0);
    Pump();
    ExpectSavedForShutdown();
    EXPECT_EQ(Bar().Buttons().size(), 4u);
    EXPECT_EQ(VisibleButtonCount(), 4);
    EXPECT_EQ(Bar().Tips().GetToolCount(), 5);
    const RECT after = WindowRect();
    EXPECT_TRUE(EqualRect(&before, &after)) << "same place, same size";
    EXPECT_TRUE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G')) << "the hotkey is back";
    EXPECT_TRUE(KillTimer(BarWnd(), 1)) << "the clock runs again";
}

struct HandleCounts {
    wt::OwnCounts own;
    int children, tools;
    bool operator==(const HandleCounts&) const = default;
};

HandleCounts Count(CBarDlg& bar) {
    int children = 0;
    for (HWND c = GetWindow(bar.Handle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++children;
    return {wt::CountOwned(), children, bar.Tips().GetToolCount()};
}

TEST_F(BarLifecycleTest, RebuildsRedrawsAndTicksKeepButtonsToolsAndHandlesSteady) {
    SeedPage(1, 12, 2, 34);
    wt::HandleLedger ledger;
    Start();
    const HandleCounts start = Count(Bar());
    EXPECT_EQ(start.children, 14);  // 12 buttons and the hidden OK and Cancel
    EXPECT_EQ(start.tools, 13);
    ledger.ExpectNoGrowth(20, [this] {
        Bar().Rebuild();
        RedrawWindow(BarWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageA(BarWnd(), WM_TIMER, 1, 0);
        Pump();
    });
    EXPECT_EQ(Count(Bar()), start);
}

// A thousand buttons take seconds under Wine.
class SlowBarLifecycleTest : public BarLifecycleTest {};

TEST_F(SlowBarLifecycleTest, AbsurdButtonCountStartsInBoundedTime) {
    wt::RawWriteDword("Page1\\Button", "Num", 2147483647);
    wt::RawWriteString("Page1\\Button", "Data", "1,20");
    Start();  // CTest's time limit catches a start that does not end
    EXPECT_EQ(Bar().Buttons().size(), static_cast<size_t>(kMaxPageButtons));
    RECT r = WindowRect();
    EXPECT_EQ(r.right - r.left, Bar().ClockExtent() + kMaxPageButtons * 20);
    EXPECT_EQ(r.bottom - r.top, 20);
    Bar().DestroyButtons();
    EXPECT_EQ(Bar().Tips().GetToolCount(), 1);
}

TEST_F(SlowBarLifecycleTest, WindowSizeSaturates) {
    wt::RawWriteDword("Page1\\Button", "Num", 5000);
    wt::RawWriteString("Page1\\Button", "Data", "1,50");
    Start();
    EXPECT_EQ(Bar().Buttons().size(), static_cast<size_t>(kMaxPageButtons));
    RECT r = WindowRect();
    EXPECT_EQ(r.right - r.left, kMaxCoordinate) << "1,000 buttons of 50 pixels";
    EXPECT_EQ(r.bottom - r.top, 50);
}

TEST_F(BarLifecycleTest, HugeLineCountAndButtonSizes) {
    struct Row {
        const char* data;
        int btnSize, option;
    } rows[] = {
        {"2147483647,34", 34, 0x8B},           // thickness overflows
        {"1,34", -40, 0xAB},                   // negative common size
        {"1,34", 2147483647, 0xAB},            // huge common size
        {"2147483647,34", -2147483647, 0xEF},  // vertical, fit icons
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.data + std::string(" size ") + std::to_string(row.btnSize));
        wt::ClearStore();
        wt::RawWriteDword("Page1\\Button", "Num", 3);
        wt::RawWriteString("Page1\\Button", "Data", row.data);
        SeedSetting("BtnSize", static_cast<DWORD>(row.btnSize));
        SeedSetting("Option", static_cast<DWORD>(row.option));
        Start();
        RECT r = WindowRect();
        EXPECT_GE(r.right - r.left, 0);
        EXPECT_LE(r.right - r.left, kMaxCoordinate);
        EXPECT_GE(r.bottom - r.top, 0);
        EXPECT_LE(r.bottom - r.top, kMaxCoordinate);
        EXPECT_EQ(Bar().Buttons().size(), 3u);
        RedrawWindow(BarWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Exit();
        app.reset();
    }
}

TEST_F(BarLifecycleTest, AbsurdClockFontStillGivesABar) {
    SeedSetting("WatchFont", std::string("-2147483648,2147483647,99999,-99999,2147483647,"
                                         "1,1,1,255,255,255,255,255"));
    SeedSetting("WatchFontName", std::string(300, 'X') + "表");
    Start();
    RECT r = WindowRect();
    EXPECT_GE(r.right - r.left, 10);
    EXPECT_LE(r.right - r.left, kMaxCoordinate);
    RedrawWindow(BarWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
}

}  // namespace
