// The strip: a raised panel in the background colour with the date and time,
// redrawn on every paint and every 2.5 seconds; and the clock font.

#include "config/launcher_store.h"
#include "bar/bar_dlg.h"
#include "bar/bar_ids.h"
#include "bar/clock_text.h"
#include "config/clock_font_record.h"
#include "win/font_dpi.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLight = RGB(198, 198, 198);
constexpr COLORREF kShadow = RGB(129, 129, 129);

LOGFONTA ToLogFont(const ClockFontRecord& r) {
    LOGFONTA lf{};
    lf.lfHeight = r.height;
    lf.lfWidth = r.width;
    lf.lfEscapement = r.escapement;
    lf.lfOrientation = r.orientation;
    lf.lfWeight = r.weight;
    lf.lfItalic = r.italic;
    lf.lfUnderline = r.underline;
    lf.lfStrikeOut = r.strikeOut;
    lf.lfCharSet = r.charSet;
    lf.lfOutPrecision = r.outPrecision;
    lf.lfClipPrecision = r.clipPrecision;
    lf.lfQuality = r.quality;
    lf.lfPitchAndFamily = r.pitchAndFamily;
    r.faceName.copy(lf.lfFaceName, sizeof lf.lfFaceName - 1);
    return lf;
}

ClockFontRecord FromLogFont(const LOGFONTA& lf) {
    ClockFontRecord r;
    r.height = lf.lfHeight;
    r.width = lf.lfWidth;
    r.escapement = lf.lfEscapement;
    r.orientation = lf.lfOrientation;
    r.weight = lf.lfWeight;
    r.italic = lf.lfItalic;
    r.underline = lf.lfUnderline;
    r.strikeOut = lf.lfStrikeOut;
    r.charSet = lf.lfCharSet;
    r.outPrecision = lf.lfOutPrecision;
    r.clipPrecision = lf.lfClipPrecision;
    r.quality = lf.lfQuality;
    r.pitchAndFamily = lf.lfPitchAndFamily;
    r.faceName = std::string(lf.lfFaceName, strnlen(lf.lfFaceName, sizeof lf.lfFaceName));
    return r;
}

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
    UniqueBrush brush(CreateSolidBrush(m_bkColor));
    FillRect(dc, &panel, brush.Get());
    const int right = panel.right - 1, bottom = panel.bottom - 1;
    DrawFrame(0, 0, right, bottom, dc, kWhite, kBlack);
    DrawFrame(1, 1, right - 1, bottom - 1, dc, kLight, kShadow);

    const std::string text = ClockText(LocalTimeNow(), m_option);
    if (text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, m_bkColor);
    SetTextColor(dc, m_textColor);
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
    if (!(m_option & (OPT_DATE | OPT_TIME))) return;
    KillTimer(m_hWnd, kClockTimerId);
    {
        WindowDC dc(m_hWnd);
        DrawClockArea(dc.Get());
    }
    StartClockTimer();
}

void CBarDlg::SetClockFont(const LOGFONTA& kept) {
    m_clockRecord = kept;
    // Made from the record at every scale, never from another scale's font.
    const LOGFONTA lf = FontForDpi(kept, m_dpi);
    // Without a font the strip is drawn in the device context's own font.
    m_clockFont.Reset(CreateFontIndirectA(&lf));
}

void CBarDlg::LoadClockFont() {
    SetClockFont(ToLogFont(LoadClockFontRecord(m_store.Profile())));
}

void CBarDlg::MeasureClock() {
    WindowDC dc(m_hWnd);
    SelectScope font(dc.Get(), m_clockFont.Get());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), kClockMeasureText, sizeof kClockMeasureText - 1, &size);
    m_clockWidth = size.cx;
}

void CBarDlg::SaveClockFont() {
    SaveClockFontRecord(m_store.Profile(), FromLogFont(m_clockRecord));
}
