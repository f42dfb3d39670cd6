// Every platform object the program makes is released: counted by the
// platform itself through a ledger of the program's own creating calls, so
// that a handle leaked raw, outside any owner, fails these tests. Also the
// order of the writes at exit, and that every drop handle is finished.

#include <shlobj.h>

#include "buttons/load_icon.h"
#include "tests/wine/bar_fixture.h"
#include "tests/wine/handle_ledger.h"
#include "tests/wine/menu_watcher.h"
#include "tests/wine/probe_support.h"

namespace {

std::string Library() {
    return wt::TestDir() + "icons20.dll";
}
std::string Program() {
    return wt::TestDir() + "launch_probe.exe";
}

TEST(IconLoaderLeakTest, EveryIconTheLoaderMakesIsReleased) {
    wt::HandleLedger ledger;
    const std::string sources[] = {Library(), Program(), "C:\\doc.txt", "C:\\missing.exe"};
    for (int small = 0; small < 2; ++small) {
        for (const std::string& source : sources) {
            CLoadIcon loader;
            loader.SetSmall(small);
            loader.SetFile(source);
            for (int k = 0; k < 3; ++k) loader.GetIcon(k);  // each icon goes at once
        }
    }
    EXPECT_EQ(wt::Describe(ledger.Live()), wt::Describe(wt::LiveCounts{}));
}

class BarLeakTest : public BarFixture {
protected:
    void SeedMixedPage(int page, int count) {
        std::vector<ButtonEntry> entries(count);
        for (int k = 0; k < count; ++k) {
            entries[k].AppName = k % 3 == 2 ? Program() : Library();
            entries[k].IconIndex = k % 20;
        }
        SeedEntries(page, entries, 2, 34, page == 1 ? OPT_LARGEICON : 0);
    }
    HDROP MakeDrop(const char* file, POINT pt) {
        const size_t length = strlen(file) + 2;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + length);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->pt = pt;
        memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), file, length - 1);
        GlobalUnlock(memory);
        return static_cast<HDROP>(memory);
    }
};

TEST_F(BarLeakTest, PageLoadsMenusAndTicksLeaveNothingAndTheEndReleasesAll) {
    wt::HandleLedger ledger;
    SeedSetting("Page", std::string("1,2"));
    SeedMixedPage(1, 12);
    SeedMixedPage(2, 5);
    Start();
    // Both pages seen: the icons of both are kept from now on.
    Bar().SwitchPage(2);
    Bar().SwitchPage(1);
    const wt::LiveCounts first = ledger.Live();
    EXPECT_EQ(first[wt::Kind::Icon], 12) << "one shown icon per button";
    EXPECT_EQ(first[wt::Kind::ImageList], 4)
        << "a list per icon size (32 and 16 pixels) and one per loader, none per button";
    ledger.ExpectNoGrowth(10, [this] {
        Bar().SwitchPage(2);
        Bar().SwitchPage(1);
        Bar().Rebuild();
        SendMessageA(BarWnd(), WM_TIMER, 1, 0);
        RedrawWindow(BarWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        wt::MenuWatcher watcher;
        PostMessageA(BarWnd(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(BarWnd(), WM_KEYDOWN, VK_F11, 0);
        Pump();
    });
    Exit();
    app.reset();
    EXPECT_EQ(wt::Describe(ledger.Live()), wt::Describe(wt::LiveCounts{}))
        << "the program's end releases everything it made";
}

TEST_F(BarLeakTest, EveryDropHandleIsFinished) {
    wt::HandleLedger ledger;
    SeedMixedPage(1, 1);
    Start();
    const int strip = Bar().ClockExtent();
    SendMessageA(BarWnd(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop("C:\\a.exe", {strip / 2, 5})), 0);
    SendMessageA(BarWnd(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop("C:\\nowhere\\b.txt", {strip + 400, 5})), 0);
    EXPECT_EQ(ledger.FinishedDrops(), 2) << "on the strip and on an empty cell";
}

TEST_F(BarLeakTest, ExitAndShutdownWriteThePageThenTheCorner) {
    wt::HandleLedger ledger;
    Start();
    ledger.ClearWrittenValues();
    SendMessageA(BarWnd(), WM_QUERYENDSESSION, 0, 0);
    const std::vector<std::string> order = {"Setting:Page", "Setting:Y", "Setting:X"};
    EXPECT_EQ(ledger.WrittenValues(), order);
    Bar().Rebuild();
    ledger.ClearWrittenValues();
    Exit();
    EXPECT_EQ(ledger.WrittenValues(), order);
}

}  // namespace
