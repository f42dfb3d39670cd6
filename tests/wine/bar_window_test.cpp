// The bar on the desktop: start-up state, layout of both kinds, placement.

#include <windows.h>
#include <commctrl.h>

#include "app/host_wnd.h"
#include "tests/wine/bar_fixture.h"

namespace {

class BarWindowTest : public BarFixture {};

std::string ToolText(HWND tip, HWND wnd, UINT_PTR id) {
    char text[256] = {};
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = wnd;
    ti.uId = id;
    ti.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
    return text;
}

TEST_F(BarWindowTest, EmptyStoreShowsAnEmptyTopmostBarAt100x100) {
    Start();
    CBarDlg& bar = Bar();
    EXPECT_GT(bar.ClockWidth(), 0);
    RECT r = WindowRect();
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 10 + 2 * bar.ClockWidth());
    EXPECT_EQ(r.bottom - r.top, 34);
    EXPECT_TRUE(GetWindowLongA(BarWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(BarWnd()));
    EXPECT_EQ(bar.Settings().curPage, 1);
    EXPECT_EQ(bar.Settings().pageCount, 2);
    EXPECT_EQ(bar.Settings().option, 139);
    EXPECT_TRUE(bar.Buttons().empty());
    EXPECT_EQ(VisibleButtonCount(), 0);
    EXPECT_EQ(bar.Tips().GetToolCount(), 1);
    EXPECT_EQ(ToolText(bar.Tips().Handle(), BarWnd(), reinterpret_cast<UINT_PTR>(BarWnd())),
              "右ｸﾘｯｸでﾒﾆｭｰ");
    char title[32];
    GetWindowTextA(BarWnd(), title, sizeof title);
    EXPECT_STREQ(title, "Tarvix");
    EXPECT_TRUE(StoreValues().empty()) << "nothing is written at start-up";
}

TEST_F(BarWindowTest, HostIsAHiddenCaptionedOwner) {
    Start();
    HWND host = app->MainWnd()->Handle();
    EXPECT_EQ(GetWindow(BarWnd(), GW_OWNER), host);
    EXPECT_FALSE(IsWindowVisible(host));
    EXPECT_EQ(GetWindowLongA(host, GWL_STYLE) & ~WS_CLIPSIBLINGS, 0x00C20000);
    EXPECT_EQ(GetWindowLongA(host, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetClassLongA(host, GCL_STYLE), CS_DBLCLKS);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrA(host, GCLP_HBRBACKGROUND)),
              GetStockObject(LTGRAY_BRUSH));
    EXPECT_NE(GetClassLongPtrA(host, GCLP_HICON), 0);
    char title[32];
    GetWindowTextA(host, title, sizeof title);
    EXPECT_STREQ(title, "Tarvix");
    EXPECT_EQ(GetWindow(Bar().Handle(), GW_OWNER), host);
    // The bar: a borderless pop-up with no caption.
    LONG style = GetWindowLongA(BarWnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(BarWnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(BarWindowTest, HitTestAnswersCaptionEverywhere) {
    Start();
    RECT r = WindowRect();
    for (POINT p :
         {POINT{r.left, r.top}, POINT{r.left + 5, r.top + 17}, POINT{r.right - 1, r.bottom - 1}}) {
        SendMessageA(BarWnd(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
        EXPECT_EQ(GetWindowLongPtrA(BarWnd(), DWLP_MSGRESULT), HTCAPTION);
    }
}

struct LayoutRow {
    const char* name;
    int option;
    int count, lines, size;
    int clocks;  // clock widths in the strip (horizontal layout)
    int perLine;
    int probe;  // a button index to check
    int probeLine, probePlace;
};

// 0x8B: date, time, topmost, large icons. 0x8F adds the vertical layout.
const LayoutRow kLayouts[] = {
    {"worked example, horizontal", 0x8B, 7, 2, 34, 2, 4, 5, 1, 1},
    {"worked example, vertical", 0x8F, 7, 2, 34, 0, 4, 5, 1, 1},
    {"more lines than buttons", 0x8B, 3, 5, 34, 2, 1, 2, 2, 0},
    {"exact division", 0x8B, 6, 3, 34, 2, 2, 5, 2, 1},
    {"date only", 0x89, 5, 1, 20, 1, 5, 4, 0, 4},
    {"no clock", 0x88, 4, 2, 50, 0, 2, 3, 1, 1},
    {"vertical ignores the clock bits", 0x8C, 5, 2, 15, 0, 3, 4, 1, 1},
};

void PrintTo(const LayoutRow& row, std::ostream* os) {
    *os << row.name;
}

class BarLayoutTest : public BarFixture, public ::testing::WithParamInterface<LayoutRow> {};

TEST_P(BarLayoutTest, ButtonsAndWindowFollowTheLayout) {
    const LayoutRow& row = GetParam();
    SeedSetting("Option", row.option);
    SeedPage(1, row.count, row.lines, row.size);
    Start();
    const int w = Bar().ClockWidth();
    const bool vertical = row.option & 0x04;
    const int strip = 10 + row.clocks * w;
    const int along = strip + row.perLine * row.size, thickness = row.lines * row.size;
    RECT r = WindowRect();
    EXPECT_EQ(r.right - r.left, vertical ? thickness : along);
    EXPECT_EQ(r.bottom - r.top, vertical ? along : thickness);
    ASSERT_EQ(Bar().Buttons().size(), static_cast<size_t>(row.count));
    EXPECT_EQ(VisibleButtonCount(), row.count);
    EXPECT_EQ(Bar().ClockExtent(), strip);

    RECT b = ButtonRect(row.probe);
    const int acrossPos = strip + row.probePlace * row.size, linePos = row.probeLine * row.size;
    EXPECT_EQ(b.left, vertical ? linePos : acrossPos);
    EXPECT_EQ(b.top, vertical ? acrossPos : linePos);
    EXPECT_EQ(b.right - b.left, row.size);
    EXPECT_EQ(b.bottom - b.top, row.size);
    // Each button's id follows its index; neighbours touch without a gap.
    for (size_t k = 0; k < Bar().Buttons().size(); ++k)
        EXPECT_EQ(GetDlgCtrlID(Bar().Buttons()[k]->Handle()), 500 + static_cast<int>(k));
    RECT first = ButtonRect(0);
    EXPECT_EQ(vertical ? first.top : first.left, strip);
    EXPECT_EQ(vertical ? first.left : first.top, 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, BarLayoutTest, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) {
                             std::string n;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (isalnum(static_cast<unsigned char>(*c))) n += *c;
                             return n;
                         });

TEST_F(BarWindowTest, WorkedExampleRectangles) {
    SeedPage(1, 7, 2, 34);
    Start();
    const int s = 10 + 2 * Bar().ClockWidth();
    RECT b = ButtonRect(5);
    EXPECT_EQ(b.left, s + 34);
    EXPECT_EQ(b.top, 34);
    EXPECT_EQ(b.right, s + 68);
    EXPECT_EQ(b.bottom, 68);
}

TEST_F(BarWindowTest, PerPageSizeAndSameForAllPages) {
    SeedSetting("Option", 0x0B);  // per-page mode
    SeedSetting("BtnSize", 20);
    SeedPage(1, 2, 1, 40);
    SeedPage(2, 2, 1, 16);
    Start();
    const int s = 10 + 2 * Bar().ClockWidth();
    EXPECT_EQ(Bar().Settings().btnSize, 40);
    EXPECT_EQ(WindowRect().right - WindowRect().left, s + 80);
    Bar().SwitchPage(2);
    EXPECT_EQ(Bar().Settings().btnSize, 16);
    EXPECT_EQ(WindowRect().right - WindowRect().left, s + 32);
    EXPECT_EQ(WindowRect().bottom - WindowRect().top, 16);

    // With the same settings for all pages, "BtnSize" wins over the page's.
    BarSettings same = Bar().Settings();
    same.option |= OPT_SAMEALLPAGES;
    same.btnSize = 20;
    Bar().ApplySettings(same);
    Bar().SwitchPage(1);
    EXPECT_EQ(Bar().Settings().btnSize, 20);
    EXPECT_EQ(WindowRect().right - WindowRect().left, s + 40);
}

TEST_F(BarWindowTest, TopLeftCornerIsClampedToTheScreen) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    struct Row {
        int x, y, ex, ey;
    } rows[] = {
        {cx, cy, cx, cy}, {cx + 1, cy + 1, 0, 0}, {-1, 50, 0, 50}, {300, -7, 300, 0}, {0, 0, 0, 0}};
    Start();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        Bar().PlaceWindow(row.x, row.y);
        RECT r = WindowRect();
        EXPECT_EQ(r.left, row.ex);
        EXPECT_EQ(r.top, row.ey);
    }
}

TEST_F(BarWindowTest, StoredPositionAndNonTopmostOption) {
    SeedSetting("X", 321);
    SeedSetting("Y", 234);
    SeedSetting("Option", 0x83);
    Start();
    RECT r = WindowRect();
    EXPECT_EQ(r.left, 321);
    EXPECT_EQ(r.top, 234);
    EXPECT_FALSE(GetWindowLongA(BarWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    BarSettings topmost = Bar().Settings();
    topmost.option |= OPT_TOPMOST;
    Bar().ApplySettings(topmost);
    EXPECT_TRUE(GetWindowLongA(BarWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(WindowRect().left, 321) << "a rebuild keeps the position";
}

TEST_F(BarWindowTest, ToolTipsNameEachButton) {
    SeedPage(1, 3, 1, 34);
    wt::RawWriteString("Page1\\Btn2", "Title", "表示ソ");
    wt::RawWriteString("Page1\\Btn3", "AppName", "");
    Start();
    HWND tip = Bar().Tips().Handle();
    EXPECT_EQ(Bar().Tips().GetToolCount(), 4);
    EXPECT_EQ(ToolText(tip, Bar().Buttons()[0]->Handle(), 500), "b1.exe");
    EXPECT_EQ(ToolText(tip, Bar().Buttons()[1]->Handle(), 501), "表示ソ");
    EXPECT_EQ(ToolText(tip, Bar().Buttons()[2]->Handle(), 502), "");
    RECT rect;
    ASSERT_TRUE(Bar().Tips().GetToolRect(Bar().Buttons()[1]->Handle(), 501, rect));
    EXPECT_EQ(rect.right, 34);
    EXPECT_EQ(rect.bottom, 34);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(BarWnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    const auto wrap = static_cast<int>(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0));
    EXPECT_GT(wrap, 0) << "long tips wrap";
    EXPECT_LT(wrap, monitor.rcWork.right - monitor.rcWork.left) << "within the work area";
}

TEST_F(BarWindowTest, SwitchPageBeyondTheCountDoesNothing) {
    SeedSetting("Page", std::string("1,2"));
    SeedPage(1, 2, 1, 34);
    SeedPage(3, 5, 1, 34);
    Start();
    Bar().SwitchPage(3);
    EXPECT_EQ(Bar().Settings().curPage, 1);
    EXPECT_EQ(Bar().Buttons().size(), 2u);
    Bar().SwitchPage(2);
    EXPECT_EQ(Bar().Settings().curPage, 2);
    EXPECT_TRUE(Bar().Buttons().empty());
}

TEST_F(BarWindowTest, SwitchLeavesOnlyTheUncoveredCellToTheBarAndPaintsLater) {
    SeedSetting("Page", std::string("1,2"));
    SeedPage(1, 4, 2, 34);
    SeedPage(2, 3, 2, 34);
    Start();
    const RECT empty = ButtonRect(3);
    Bar().SwitchPage(2);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(BarWnd(), &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &empty)) << update.left << "," << update.top;
    for (const auto& b : Bar().Buttons()) EXPECT_TRUE(GetUpdateRect(b->Handle(), nullptr, FALSE));
    Pump();
    HDC dc = GetDC(BarWnd());
    EXPECT_EQ(GetPixel(dc, empty.left + 17, empty.top + 17), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(BarWnd(), dc);
}

TEST_F(BarWindowTest, DeleteButtonKeyRemovesOneSlotOfTheShownPage) {
    SeedSetting("Page", std::string("2,2"));
    SeedPage(1, 3, 1, 34);
    SeedPage(2, 3, 1, 34);
    Start();
    Bar().DeleteButtonKey(2);
    EXPECT_FALSE(wt::KeyExists("Software\\Quenlow\\Lumeq\\Page2\\Btn2"));
    EXPECT_TRUE(wt::KeyExists("Software\\Quenlow\\Lumeq\\Page2\\Btn3"));
    EXPECT_TRUE(wt::KeyExists("Software\\Quenlow\\Lumeq\\Page1\\Btn2"));
}

TEST_F(BarWindowTest, ShownPageMayLieBeyondTheCount) {
    SeedSetting("Page", std::string("3"));  // page 3 of 1
    SeedPage(3, 2, 1, 34);
    Start();
    EXPECT_EQ(Bar().Settings().curPage, 3);
    EXPECT_EQ(Bar().Settings().pageCount, 1);
    EXPECT_EQ(Bar().Buttons().size(), 2u);
    Bar().Rebuild();
    EXPECT_EQ(Bar().Buttons().size(), 2u);
}

}  // namespace
