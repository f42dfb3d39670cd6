// Loading a page into button controls, placing the bar, tearing down.

#include <algorithm>

#include "config/launcher_store.h"
#include "bar/bar_dlg.h"
#include "bar/bar_ids.h"
#include "bar/tool_tip_text.h"
#include "buttons/bar_button.h"
#include "buttons/icon_cache.h"
#include "config/bar_settings.h"
#include "res/resource.h"
#include "core/step_marks.h"
#include "win/monitors.h"
#include "win/res_string.h"

namespace {

class WaitCursor {
public:
    WaitCursor() : m_old(SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)))) {}  // IDC_WAIT
    ~WaitCursor() { SetCursor(m_old); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_old;
};

// Shows or hides (`how`) a child window with its erasing left to the
// next paint instead of done at once.
void ShowDeferred(HWND wnd, UINT how) {
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                 how | SWP_DEFERERASE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT ToRect(const LayoutRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

BarLayout CBarDlg::Layout() const {
    int count = std::min(m_pageSetup.ButtonCount, kMaxPageButtons);
    return ScaledBarLayout(m_settings.option, m_clockWidth, m_settings.btnSize, count,
                           m_pageSetup.LineCount, m_dpi);
}

int CBarDlg::ClockExtent() const {
    return Layout().ClockExtent();
}

void CBarDlg::PlaceWindow(int x, int y) {
    std::vector<LayoutRect> monitors;
    for (const RECT& m : MonitorRects()) monitors.push_back({m.left, m.top, m.right, m.bottom});
    const LayoutPoint p = PlaceOnMonitors(x, y, monitors);
    LayoutSize size = Layout().WindowSize();
    HWND order = (m_settings.option & OPT_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST;
    // Shown for the first time, at start-up, the bar is activated after
    // its first paint instead.
    const UINT firstShow = IsWindowVisible(m_hWnd) ? 0 : SWP_NOACTIVATE;
    SetWindowPos(m_hWnd, order, p.x, p.y, size.cx, size.cy, SWP_SHOWWINDOW | firstShow);
    m_toolTip.FitWidthTo(m_hWnd);
}

void CBarDlg::LoadPage(int page, int x, int y) {
    WaitCursor wait;
    m_store.LoadPageSetup(page, m_pageSetup);
    int iconBits = m_settings.option;
    if (!(m_settings.option & OPT_SAMEALLPAGES)) {
        iconBits = m_pageSetup.IconFlags;
        m_settings.btnSize = m_pageSetup.ButtonSize;
    } else {
        // A hand-edited "BtnSize" of 0 would leave a bar nobody can reach.
        m_settings.btnSize = UsableButtonSize(m_settings.btnSize);
    }
    m_loading = true;
    PlaceWindow(x, y);
    m_toolTip.Activate(true);
    AddButtons(page, iconBits);
    m_settings.curPage = page;
    m_loading = false;
    SettleFocus();
}

// The old page's focused button is gone with it: the keyboard goes where
// it goes at start-up, to the first button, or to the bar itself when the
// page is empty. An inactive bar settles when it is activated.
void CBarDlg::SettleFocus() {
    if (GetActiveWindow() != m_hWnd || ButtonAt(GetFocus())) return;
    if (m_buttons.empty()) {
        SetFocus(m_hWnd);
        return;
    }
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_buttons.front()->Handle()),
                 TRUE);
}

void CBarDlg::AddButtons(int page, int iconBits) {
    const BarLayout layout = Layout();
    const int count = std::min(m_pageSetup.ButtonCount, kMaxPageButtons);
    const int size = Px(m_settings.btnSize);
    // The icons of another scale are no use at this one.
    m_icons.SetDpi(m_dpi);
    for (int k = 0; k < count; ++k) {
        ButtonEntry entry;
        m_store.LoadButton(page, k + 1, entry);
        auto button = std::make_unique<CBarButton>();
        const int id = IDC_BAR_BUTTON_FIRST + k;
        // A platform that refuses a window ends the page here.
        if (!button->Create(m_hWnd, *this, ToRect(layout.ButtonRect(k)), id)) break;
        CBarButton& b = *m_buttons.emplace_back(std::move(button));
        b.Setup(page, k, entry, iconBits, size, &m_icons, m_dpi);
        const std::string name = ToolTipText(entry);
        // Named while hidden: a shown button repaints at once on a new text.
        b.SetName(name);
        // The button paints all of its rectangle: the bar has nothing to
        // erase or paint below it.
        const RECT below = ToRect(layout.ButtonRect(k));
        RedrawWindow(m_hWnd, &below, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
        ShowDeferred(b.Handle(), SWP_SHOWWINDOW);
        if (m_toolTip.Handle()) AddButtonTip(b, name);
    }
}

void CBarDlg::OnFirstPaintDone() {
    KillTimer(m_hWnd, kFirstPaintTimerId);
    // Activation waits for the paint: it costs as much as showing the bar.
    SetForegroundWindow(m_hWnd);
    CreateTips();
    StepDone("activation and tool tips, after the first paint");
}

void CBarDlg::CreateTips() {
    // The tips are owned by the host rather than the bar: Wine will not make
    // a window topmost while a window it owns is topmost, as tips always are.
    if (m_toolTip.Handle() || !m_toolTip.Create(GetWindow(m_hWnd, GW_OWNER))) return;
    m_toolTip.Activate(true);
    m_toolTip.SetAutomaticDelay(300);
    m_toolTip.FitWidthTo(m_hWnd);
    m_toolTip.AddWindowTool(m_hWnd, LoadResString(IDS_BAR_TIP));
    for (const auto& button : m_buttons) {
        ButtonEntry entry;
        button->GetEntry(entry);
        AddButtonTip(*button, ToolTipText(entry));
    }
}

// A button's tool covers the whole button.
void CBarDlg::AddButtonTip(const CBarButton& button, const std::string& name) {
    RECT rect;
    GetClientRect(button.Handle(), &rect);
    m_toolTip.AddTool(button.Handle(), name, rect, IDC_BAR_BUTTON_FIRST + button.GetIndex());
}

void CBarDlg::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0 || dpi == m_dpi) return;
    m_dpi = dpi;
    MakeClockFont();
    // Moved while its page is being placed: the load in progress ends
    // first, and the page is loaded again at the new scale after it.
    if (m_loading) {
        PostMessageA(m_hWnd, kMsgReload, 0, 0);
        return;
    }
    LockWindowUpdate(m_hWnd);
    DestroyButtons();
    LoadPage(m_settings.curPage, suggested.left, suggested.top);
    LockWindowUpdate(nullptr);
}

void CBarDlg::DestroyButtons() {
    for (const auto& button : m_buttons) {
        m_toolTip.DelTool(button->Handle(), IDC_BAR_BUTTON_FIRST + button->GetIndex());
        // What the button covered is erased with the next paint, once.
        ShowDeferred(button->Handle(), SWP_HIDEWINDOW);
    }
    m_buttons.clear();
}

void CBarDlg::Rebuild() {
    ReloadAt(m_settings.curPage);
}

void CBarDlg::SwitchPage(int page) {
    if (page > m_settings.pageCount || page < 1) return;
    ReloadAt(page);
}

void CBarDlg::ReloadAt(int page) {
    // The old buttons vanish and the new ones appear in one repaint.
    LockWindowUpdate(m_hWnd);
    DestroyButtons();
    StepDone("teardown");
    RECT r;
    GetWindowRect(m_hWnd, &r);
    LoadPage(page, r.left, r.top);
    StepDone("load");
    LockWindowUpdate(nullptr);
    StepDone("release");
}

void CBarDlg::PrepareExit() {
    UnregisterHotKey(m_hWnd, kHotKeyId);
    SavePageState(m_store.Profile(), m_settings.curPage, m_settings.pageCount);
    SaveWindowPos();
    KillTimer(m_hWnd, kClockTimerId);
    DestroyButtons();
}

void CBarDlg::SaveWindowPos() {
    RECT r;
    GetWindowRect(m_hWnd, &r);
    ::SaveWindowPos(m_store.Profile(), r.left, r.top);
}

void CBarDlg::DeleteButtonKey(int index) {
    m_store.Profile().DeleteKey(m_store.ButtonKeyPath(m_settings.curPage, index));
}

void CBarDlg::StartClockTimer() {
    SetTimer(m_hWnd, kClockTimerId, kClockTimerPeriod, nullptr);
}
