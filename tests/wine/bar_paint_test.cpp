// The strip's pixels and the clock text, read back from the bar's window.

#include "bar/clock_text.h"
#include "tests/wine/bar_fixture.h"

namespace {

class BarPaintTest : public BarFixture {
protected:
    // Paints the bar now and reads pixel (x, y) of its client area.
    COLORREF Pixel(int x, int y) {
        HDC dc = GetDC(BarWnd());
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(BarWnd(), dc);
        return c;
    }
    void Repaint() {
        RedrawWindow(BarWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump();
    }
    // The strip's frame: white and black outside, 198 and 129 grey inside.
    void ExpectFrame(int width, int height, COLORREF background) {
        const int r = width - 1, b = height - 1;
        EXPECT_EQ(Pixel(0, 0), RGB(255, 255, 255));
        EXPECT_EQ(Pixel(0, b - 1), RGB(255, 255, 255));
        EXPECT_EQ(Pixel(r - 1, 0), RGB(255, 255, 255));
        EXPECT_EQ(Pixel(r, b), RGB(0, 0, 0));
        EXPECT_EQ(Pixel(0, b), RGB(0, 0, 0));
        EXPECT_EQ(Pixel(r, 0), RGB(0, 0, 0));
        EXPECT_EQ(Pixel(1, 1), RGB(198, 198, 198));
        EXPECT_EQ(Pixel(r - 2, 1), RGB(198, 198, 198));
        EXPECT_EQ(Pixel(r - 1, b - 1), RGB(129, 129, 129));
        EXPECT_EQ(Pixel(1, b - 1), RGB(129, 129, 129));
        EXPECT_EQ(Pixel(2, 2), background);
        EXPECT_EQ(Pixel(r - 2, b - 2), background);
    }
    // The clock text as the strip should show it, drawn off-screen.
    std::vector<COLORREF> Expected(const RECT& box, const std::string& text) {
        HDC screen = GetDC(BarWnd());
        HDC dc = CreateCompatibleDC(screen);
        const int w = box.right, h = box.bottom;
        HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        HGDIOBJ oldFont = SelectObject(dc, Bar().ClockFont());
        HBRUSH brush = CreateSolidBrush(Bar().Settings().bkColor);
        RECT all{0, 0, w, h};
        FillRect(dc, &all, brush);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, Bar().Settings().textColor);
        RECT r = box;
        DrawTextA(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        std::vector<COLORREF> pixels;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) pixels.push_back(GetPixel(dc, x, y));
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        DeleteObject(brush);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(BarWnd(), screen);
        return pixels;
    }
    std::vector<COLORREF> Shown(const RECT& box) {
        std::vector<COLORREF> pixels;
        HDC dc = GetDC(BarWnd());
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) pixels.push_back(GetPixel(dc, x, y));
        ReleaseDC(BarWnd(), dc);
        return pixels;
    }
    // True when the strip shows the text for the option bits right now.
    bool ShowsClock(int option) {
        const int e = Bar().ClockExtent(),
                  d = Bar().ShownSetup().LineCount * Bar().Settings().btnSize;
        const RECT box{2, 2, e - 2, d - 2};
        for (int attempt = 0; attempt < 3; ++attempt) {
            const std::string text = ClockText(LocalTimeNow(), option);
            Repaint();
            if (Shown(box) == Expected(box, text)) return true;
        }
        return false;
    }
};

TEST_F(BarPaintTest, HorizontalStripShowsDateAndTime) {
    SeedSetting("BkColor", std::string("1193046"));  // 0x123456
    SeedSetting("TextColor", std::string("65280"));  // green
    Start();
    Repaint();
    const int w = 10 + 2 * Bar().ClockWidth();
    ExpectFrame(w, 34, 0x123456);
    EXPECT_TRUE(ShowsClock(Bar().Settings().option));
    int textPixels = 0;
    RECT box{2, 2, w - 2, 32};
    for (COLORREF c : Shown(box)) textPixels += c == RGB(0, 255, 0);
    EXPECT_GT(textPixels, 20) << "the text is drawn in the text colour";
}

TEST_F(BarPaintTest, DateOnlyEndsWithABlankAndNarrowsTheStrip) {
    SeedSetting("Option", 0x89);
    SeedPage(1, 1, 2, 30);
    Start();
    EXPECT_EQ(Bar().ClockExtent(), 10 + Bar().ClockWidth());
    ExpectFrame(10 + Bar().ClockWidth(), 60, 0xC0C0C0);
    EXPECT_TRUE(ShowsClock(0x89));
    EXPECT_FALSE(ShowsClock(0x8B)) << "the time is not shown";
}

TEST_F(BarPaintTest, NeitherDateNorTimeLeavesAPlainPanel) {
    SeedSetting("Option", 0x88);
    SeedPage(1, 2, 1, 34);
    Start();
    Repaint();
    ExpectFrame(10, 34, 0xC0C0C0);
    for (int y = 2; y < 32; ++y)
        for (int x = 2; x < 8; ++x) ASSERT_EQ(Pixel(x, y), 0xC0C0C0u) << x << "," << y;
    // Timer messages draw nothing.
    HDC dc = GetDC(BarWnd());
    RECT all{0, 0, 10, 34};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(BarWnd(), dc);
    SendMessageA(BarWnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(Pixel(4, 10), RGB(0, 0, 0));
}

TEST_F(BarPaintTest, VerticalBandHasNoText) {
    SeedSetting("Option", 0x8F);
    SeedPage(1, 4, 2, 30);
    Start();
    Repaint();
    ExpectFrame(60, 10, 0xC0C0C0);
    for (int x = 2; x < 58; ++x) ASSERT_EQ(Pixel(x, 4), 0xC0C0C0u) << x;
}

TEST_F(BarPaintTest, EmptyPageKeepsTheFullThickness) {
    wt::RawWriteString("Page1\\Button", "Data", "3,40");
    Start();
    ExpectFrame(10 + 2 * Bar().ClockWidth(), 120, 0xC0C0C0);
    Repaint();
    EXPECT_TRUE(ShowsClock(Bar().Settings().option));
}

TEST_F(BarPaintTest, TimerRedrawsTheStrip) {
    Start();
    HDC dc = GetDC(BarWnd());
    RECT all{0, 0, 400, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(BarWnd(), dc);
    ASSERT_EQ(Pixel(0, 0), RGB(0, 0, 0));
    SendMessageA(BarWnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(5, 5), 0xC0C0C0u);
}

TEST_F(BarPaintTest, ClockFontFromTheStore) {
    SeedSetting("WatchFont", std::string("-20,0,0,0,700,0,0,0,128,0,0,0,0"));
    SeedSetting("WatchFontName", std::string("ＭＳ ゴシック"));
    Start();
    LOGFONTA lf{};
    ASSERT_EQ(GetObjectA(Bar().ClockFont(), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -20);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfCharSet, 128);
    EXPECT_STREQ(lf.lfFaceName, "ＭＳ ゴシック");
    // "88/888" at 20 pixels is wider than in the default font.
    HDC dc = GetDC(BarWnd());
    HGDIOBJ old = SelectObject(dc, Bar().ClockFont());
    SIZE size{};
    GetTextExtentPoint32A(dc, "88/888", 6, &size);
    SelectObject(dc, old);
    ReleaseDC(BarWnd(), dc);
    EXPECT_EQ(Bar().ClockWidth(), size.cx);
    EXPECT_GE(size.cx, 50);
    Repaint();
    EXPECT_TRUE(ShowsClock(Bar().Settings().option));
}

TEST_F(BarPaintTest, TheSheetsOkWritesTheClockFontAsTheBarReadIt) {
    SeedSetting("WatchFont", std::string("-13,0,0,0,400,300,0,0,128,0,0,0,49"));
    SeedSetting("WatchFontName", std::string("ＭＳ Ｐゴシック"));
    Start();
    Bar().ApplySettings(Bar().Settings());
    EXPECT_EQ(wt::RawString("Setting", "WatchFont"), "-13,0,0,0,400,44,0,0,128,0,0,0,49");
    EXPECT_EQ(wt::RawString("Setting", "WatchFontName"), "ＭＳ Ｐゴシック");
}

}  // namespace
