// The strip: a raised panel in the background colour with the date and time,
// redrawn on every paint and every 2.5 seconds; and the clock font.

#include "bar/bar_dlg.h"
#include "bar/bar_ids.h"
#include "bar/clock_text.h"
#include "config/clock_log_font.h"
#include "win/font_dpi.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLight = RGB(198, 198, 198);
constexpr COLORREF kShadow = RGB(129, 129, 129);

}  // namespace

void CBarDlg::DrawFrame(int left, int top, int right, int bottom, HDC dc, COLORREF c1,
                        COLORREF c2) {
    UniquePen light(CreatePen(PS_SOLID, 0, c1));
    UniquePen dark(CreatePen(PS_SOLID, 0, c2));
    SelectScope keep(dc, light.Get());
    MoveToEx(dc, left, bottom - 1, nullptr);
    LineTo(dc, left, top);
    LineTo(dc, right, top);
    SelectObject(dc, dark.Get());
    MoveToEx(dc, left, bottom, nullptr);
    LineTo(dc, right, bottom);
    LineTo(dc, right, top - 1);
}

void CBarDlg::DrawClockArea(HDC dc) {
    SelectScope font(dc, m_clockFont.Get());
    const BarLayout layout = Layout();
    const LayoutRect strip = layout.StripRect();
    RECT panel{strip.left, strip.top, strip.right, strip.bottom};
    UniqueBrush brush(CreateSolidBrush(m_settings.bkColor));
    FillRect(dc, &panel, brush.Get());
    const int right = panel.right - 1, bottom = panel.bottom - 1;
    DrawFrame(0, 0, right, bottom, dc, kWhite, kBlack);
    DrawFrame(1, 1, right - 1, bottom - 1, dc, kLight, kShadow);

    const std::string text = ClockText(LocalTimeNow(), m_settings.option);
    if (text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, m_settings.bkColor);
    SetTextColor(dc, m_settings.textColor);
    // Along the strip the text box is the panel less two pixels each side.
    const int pad = Px(2);
    RECT box{pad, pad, layout.ClockExtent() - pad, strip.bottom - pad};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void CBarDlg::OnPaint() {
    PaintScope paint(m_hWnd);
    // The whole strip is drawn whatever part of the bar was invalid.
    WindowDC dc(m_hWnd);
    DrawClockArea(dc.Get());
}

void CBarDlg::OnTimer() {
    if (!(m_settings.option & (OPT_DATE | OPT_TIME))) return;
    KillTimer(m_hWnd, kClockTimerId);
    {
        WindowDC dc(m_hWnd);
        DrawClockArea(dc.Get());
    }
    StartClockTimer();
}

void CBarDlg::MakeClockFont() {
    // Made from the record at every scale, never from another scale's font.
    const LOGFONTA lf = FontForDpi(ToLogFont(m_settings.clockFont), m_dpi);
    // Without a font the strip is drawn in the device context's own font.
    m_clockFont.Reset(CreateFontIndirectA(&lf));
    WindowDC dc(m_hWnd);
    SelectScope font(dc.Get(), m_clockFont.Get());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), kClockMeasureText, sizeof kClockMeasureText - 1, &size);
    m_clockWidth = size.cx;
}
