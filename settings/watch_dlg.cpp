#include "settings/watch_dlg.h"

#include <commdlg.h>

#include "bar/clock_text.h"
#include "res/resource.h"
#include "settings/clock_sample.h"
#include "config/bar_settings.h"
#include "config/clock_log_font.h"
#include "win/data_exchange.h"
#include "win/dpi.h"
#include "win/font_dpi.h"

namespace {
constexpr char kSampleText[] = "10:15";
}  // namespace

CWatchDlg::CWatchDlg(BarSettings& settings)
    : CPropertyPage(IDD_WATCH),
      m_settings(settings),
      m_bkColor(settings.bkColor),
      m_textColor(settings.textColor),
      m_font(ToLogFont(settings.clockFont)) {}

BOOL CWatchDlg::OnInitDialog() {
    const BOOL result = CPropertyPage::OnInitDialog();
    MakeSampleFont();
    PlaceSample();
    return result;
}

INT_PTR CWatchDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PaintScope paint(m_hWnd);
        DrawSample();
        return TRUE;
    }
    return CPropertyPage::HandleMessage(msg, wp, lp);
}

bool CWatchDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return CPropertyPage::OnCommand(id, code, control);
    switch (id) {
        case IDC_WATCH_TEXT_COLOR:
            ChooseColour(m_textColor);
            return true;
        case IDC_WATCH_BK_COLOR:
            ChooseColour(m_bkColor);
            return true;
        case IDC_WATCH_FONT:
            ChooseSampleFont();
            return true;
    }
    return CPropertyPage::OnCommand(id, code, control);
}

void CWatchDlg::MakeSampleFont() {
    const LOGFONTA lf = FontForDpi(m_font, WindowDpi(m_hWnd));
    m_sampleFont.Reset(CreateFontIndirectA(&lf));
}

RECT CWatchDlg::SampleArea() const {
    RECT r{};
    GetWindowRect(Item(IDC_WATCH_SAMPLE), &r);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void CWatchDlg::PlaceSample() {
    SIZE text{};
    {
        WindowDC dc(m_hWnd);
        SelectScope font(dc.Get(), m_sampleFont.Get());
        GetTextExtentPoint32A(dc.Get(), kClockMeasureText, sizeof kClockMeasureText - 1, &text);
    }
    RECT client{}, marker{};
    GetClientRect(m_hWnd, &client);
    GetWindowRect(Item(IDC_WATCH_MARKER), &marker);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&marker), 2);
    const SampleRect r = PlaceSampleRect(client.left, client.right, client.bottom, marker.top,
                                         text.cx, text.cy, WindowDpi(m_hWnd));
    MoveWindow(Item(IDC_WATCH_SAMPLE), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void CWatchDlg::DrawSample() {
    RECT r = SampleArea();
    WindowDC dc(m_hWnd);
    SelectScope font(dc.Get(), m_sampleFont.Get());
    UniqueBrush brush(CreateSolidBrush(m_bkColor));
    FillRect(dc.Get(), &r, brush.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetBkColor(dc.Get(), m_bkColor);
    SetTextColor(dc.Get(), m_textColor);
    DrawTextA(dc.Get(), kSampleText, sizeof kSampleText - 1, &r,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void CWatchDlg::ChooseColour(COLORREF& colour) {
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = m_hWnd;
    cc.rgbResult = colour;
    cc.lpCustColors = m_customColours;
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorA(&cc)) return;
    colour = cc.rgbResult;
    DrawSample();
}

LOGFONTA CWatchDlg::OfferedLogFont() const {
    // The font dialog counts points at the system's scale.
    LOGFONTA lf = FontForDpi(m_font, SystemDpi());
    WindowDC dc(m_hWnd);
    SelectScope font(dc.Get(), m_sampleFont.Get());
    // The default record names no face and no size; the dialog starts at
    // what the platform made of it, so OK without a change keeps the look.
    if (!lf.lfFaceName[0]) GetTextFaceA(dc.Get(), LF_FACESIZE, lf.lfFaceName);
    TEXTMETRICA tm{};
    if (m_font.lfHeight == 0 && GetTextMetricsA(dc.Get(), &tm)) {
        // At 96 DPI the default keeps height 0: the dialog is given its size.
        if (lf.lfHeight == 0) lf.lfHeight = -DefaultFontHeight();
        lf.lfCharSet = tm.tmCharSet;
    }
    return lf;
}

void CWatchDlg::ChooseSampleFont() {
    LOGFONTA lf = OfferedLogFont();
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = m_hWnd;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&cf)) return;
    m_font = FontFromDpi(lf, SystemDpi());
    MakeSampleFont();
    PlaceSample();
    DrawSample();
    // Clears what the old sample covered.
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CWatchDlg::DoDataExchange(DataExchange& dx) {
    dx.Chosen(m_settings.bkColor, static_cast<std::uint32_t>(m_bkColor));
    dx.Chosen(m_settings.textColor, static_cast<std::uint32_t>(m_textColor));
    dx.Chosen(m_settings.clockFont, FromLogFont(m_font));
}
