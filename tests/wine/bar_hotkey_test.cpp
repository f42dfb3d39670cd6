// The global hotkey: what is registered for which record, what the hotkey
// message does, and a real key press sent to the X display.

#include <cstdio>

#include "tests/wine/bar_fixture.h"
#include "tests/wine/menu_watcher.h"
#include "tests/wine/probe_support.h"

namespace {

class BarHotKeyTest : public BarFixture {
protected:
    void HotKey(int sysKey, const char* key, int action) {
        wt::RawWriteDword("HotKey", "SysKey", static_cast<DWORD>(sysKey));
        wt::RawWriteString("HotKey", "Key", key);
        wt::RawWriteDword("HotKey", "Do", static_cast<DWORD>(action));
    }
    // Whether the bar holds registration 150; the probe gives it back.
    bool Registered() {
        const bool held = UnregisterHotKey(BarWnd(), 150) != FALSE;
        if (held) Bar().RegisterBarHotKey();
        return held;
    }
};

TEST_F(BarHotKeyTest, DefaultRecordTakesControlShiftG) {
    Start();
    EXPECT_EQ(Bar().Settings().hotKey, (HotKeySetting{6, "G", 2}));
    EXPECT_TRUE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G'));
    EXPECT_FALSE(wt::HotKeyTaken(MOD_CONTROL, 'G'));
    EXPECT_TRUE(Registered());
}

TEST_F(BarHotKeyTest, AltF5) {
    HotKey(1, "F5", 1);
    Start();
    EXPECT_TRUE(wt::HotKeyTaken(MOD_ALT, VK_F5));
    EXPECT_FALSE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G'));
}

TEST_F(BarHotKeyTest, KeyNamesWithoutACodeRegisterNothing) {
    struct Row {
        const char* key;
        bool registered;
    } rows[] = {{"F13", true}, {"F14", false}, {"F0", false}, {"f5", false},
                {"", false},   {"AB", false},  {"1", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        HotKey(6, row.key, 2);
        Start();
        EXPECT_EQ(Registered(), row.registered);
        if (row.registered) {
            EXPECT_TRUE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F13));
        }
        app.reset();
        Pump();
    }
}

TEST_F(BarHotKeyTest, NoActionRegistersNothing) {
    HotKey(6, "G", 0);
    Start();
    EXPECT_FALSE(Registered());
    EXPECT_FALSE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G'));
}

TEST_F(BarHotKeyTest, RegisteringAgainKeepsOneRegistration) {
    Start();
    Bar().RegisterBarHotKey();
    Bar().RegisterBarHotKey();
    EXPECT_TRUE(UnregisterHotKey(BarWnd(), 150));
    EXPECT_FALSE(UnregisterHotKey(BarWnd(), 150)) << "only one registration";
    EXPECT_FALSE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G'));
}

TEST_F(BarHotKeyTest, ExitReleasesTheHotKey) {
    Start();
    Exit();
    EXPECT_FALSE(wt::HotKeyTaken(MOD_CONTROL | MOD_SHIFT, 'G'));
}

TEST_F(BarHotKeyTest, HotKeyOpensThePageMenuBelowTheBar) {
    SeedSetting("Page", std::string("2,3"));
    SeedSetting("X", 300);
    SeedSetting("Y", 200);
    Start();
    wt::MenuWatcher watcher({'3'});
    PostMessageA(BarWnd(), WM_HOTKEY, 150, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 'G'));
    Pump();
    ASSERT_EQ(watcher.Menus().size(), 1u);
    const wt::TrackedMenu& menu = watcher.Menus()[0];
    EXPECT_EQ(menu.items.size(), 3u);
    EXPECT_TRUE(menu.items[1].Checked());
    RECT bar = WindowRect();
    EXPECT_EQ(menu.rect.left, bar.left) << "left-aligned at the bottom-left corner";
    EXPECT_EQ(menu.rect.top, bar.bottom);
    EXPECT_EQ(GetForegroundWindow(), BarWnd());
    EXPECT_EQ(Bar().Settings().curPage, 3);
}

TEST_F(BarHotKeyTest, ActivateOnlyBringsTheBarForward) {
    HotKey(1, "F5", 1);
    Start();
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 500, 500, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    Pump();
    wt::MenuWatcher watcher;
    PostMessageA(BarWnd(), WM_HOTKEY, 150, 0);
    Pump();
    EXPECT_TRUE(watcher.Menus().empty());
    EXPECT_EQ(GetForegroundWindow(), BarWnd());
    DestroyWindow(other);
}

TEST_F(BarHotKeyTest, RealKeyPressOnTheDisplay) {
    Start();
    Pump();
    wt::MenuWatcher watcher;
    // xdotool sends the key to the bar's X window, as a key press of the user
    // does when the pointer or focus is there.
    ASSERT_TRUE(wt::SendKeysToBar("ctrl+shift+g"));
    // Waits on the menu itself; only a key that never came runs out the time.
    const DWORD end = GetTickCount() + 60000;
    while (watcher.Menus().empty() && static_cast<int>(end - GetTickCount()) > 0) PumpFor(50);
    ASSERT_EQ(watcher.Menus().size(), 1u) << "the key press did not open the page menu";
    EXPECT_EQ(watcher.Menus()[0].items.size(), 2u);
}

TEST_F(BarHotKeyTest, RealFunctionKeyOnTheDisplay) {
    SeedPage(2, 3, 1, 34);
    Start();
    Pump();
    ASSERT_TRUE(wt::SendKeysToBar("F2"));
    const DWORD end = GetTickCount() + 60000;
    while (Bar().Settings().curPage != 2 && static_cast<int>(end - GetTickCount()) > 0) PumpFor(50);
    EXPECT_EQ(Bar().Settings().curPage, 2);
    EXPECT_EQ(Bar().Buttons().size(), 3u);
}

}  // namespace
