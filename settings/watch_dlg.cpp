#include "settings/watch_dlg.h"

#include <commdlg.h>

#include "res/resource.h"
#include "settings/clock_sample.h"

namespace {
constexpr char kSampleText[] = "10:15";
constexpr char kMeasureText[] = "88/888";
}  // namespace

CWatchDlg::CWatchDlg(COLORREF bkColor, COLORREF textColor, UniqueFont* barFont)
    : CPropertyPage(IDD_WATCH), m_bkColor(bkColor), m_textColor(textColor), m_barFont(barFont) {}

BOOL CWatchDlg::OnInitDialog() {
    const BOOL result = CPropertyPage::OnInitDialog();
    LOGFONTA lf{};
    if (m_barFont && *m_barFont) GetObjectA(m_barFont->Get(), sizeof lf, &lf);
    // An independent copy: the bar's font changes only on OK.
    m_sampleFont.Reset(CreateFontIndirectA(&lf));
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

LOGFONTA CWatchDlg::SampleLogFont() const {
    LOGFONTA lf{};
    if (m_sampleFont) GetObjectA(m_sampleFont.Get(), sizeof lf, &lf);
    return lf;
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
        GetTextExtentPoint32A(dc.Get(), kMeasureText, sizeof kMeasureText - 1, &text);
    }
    RECT client{}, marker{};
    GetClientRect(m_hWnd, &client);
    GetWindowRect(Item(IDC_WATCH_MARKER), &marker);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&marker), 2);
    const SampleRect r =
        PlaceSampleRect(client.left, client.right, client.bottom, marker.top, text.cx, text.cy);
    MoveWindow(Item(IDC_WATCH_SAMPLE), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void CWatchDlg::DrawSample() {
    // A colour dialog has no owner and may outlive the page's window.
    if (!m_hWnd) return;
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
    cc.rgbResult = colour;
    cc.lpCustColors = m_customColours;
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorA(&cc)) return;
    colour = cc.rgbResult;
    DrawSample();
}

void CWatchDlg::ChooseSampleFont() {
    LOGFONTA lf = SampleLogFont();
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = m_hWnd;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&cf)) return;
    m_sampleFont.Reset(CreateFontIndirectA(&lf));
    PlaceSample();
    DrawSample();
    // Clears what the old sample covered.
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CWatchDlg::OnApply() {
    if (!m_barFont) return;
    const LOGFONTA lf = SampleLogFont();
    m_barFont->Reset(CreateFontIndirectA(&lf));
}
