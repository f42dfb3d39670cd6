#include "bar/bar_dlg.h"

#include "config/launcher_store.h"
#include "win/res_string.h"
#include "bar/bar_ids.h"
#include "buttons/bar_button.h"
#include "config/bar_settings.h"
#include "res/resource.h"
#include "win/dpi.h"
#include "core/step_marks.h"

CBarDlg::CBarDlg(LauncherStore& store, std::function<void()> showAbout,
                 std::function<void()> openSettings)
    : CDialogBase(IDD_BAR),
      m_store(store),
      m_showAbout(std::move(showAbout)),
      m_openSettings(std::move(openSettings)),
      m_settings(LoadBarSettings(store)) {}

CBarDlg::~CBarDlg() {
    // The buttons go before the window that holds them.
    m_buttons.clear();
}

// The start-up, one step after another; each names itself when done.
BOOL CBarDlg::OnInitDialog() {
    StepDone("host window and the bar from its template");
    BarPosition pos;
    const StartUpStep steps[] = {
        {"title, scale and position",
         [&] {
             SetWindowTextA(m_hWnd, LoadResString(IDS_BAR_TITLE).c_str());
             KeepDialogLayoutOnDpiChange(m_hWnd);
             pos = LoadLastPosition(m_store.Profile());
             // Drawn from the start at the scale of the monitor it is placed on.
             m_dpi = MonitorDpiAt(POINT{pos.x, pos.y});
         }},
        {"clock font and its measuring", [&] { MakeClockFont(); }},
        {"page load (buttons and icons)",
         [&] {
             // Nobody points at the bar or types to it before it is
             // painted: it is activated and its tips are made after. (A
             // page with buttons is activated sooner, when the dialog gives
             // its first button the focus.)
             SetTimer(m_hWnd, kFirstPaintTimerId, USER_TIMER_MINIMUM, nullptr);
             LoadPage(m_settings.curPage, pos.x, pos.y);
         }},
        {"hotkey registration", [&] { RegisterBarHotKey(); }},
        {"clock timer", [&] { StartClockTimer(); }},
    };
    for (const StartUpStep& step : steps) {
        step.run();
        StepDone(step.name);
    }
    return TRUE;
}

INT_PTR CBarDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCHITTEST:
            // The whole surface drags the bar; buttons answer for themselves.
            return SetMsgResult(HTCAPTION);
        case WM_PAINT:
            OnPaint();
            return TRUE;
        case WM_TIMER:
            if (wp == kFirstPaintTimerId)
                OnFirstPaintDone();
            else
                OnTimer();
            return FALSE;
        case WM_QUERYENDSESSION:
            return OnQueryEndSession(wp, lp);
        case WM_ENDSESSION:
            if (!wp) ResumeAfterCancelledEnd();
            return FALSE;
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONDBLCLK:  // a second right press soon after the first
            OnNcRightButtonDown(lp);
            // The platform's handling of the press follows, unless the menu
            // has taken the button's release already: Wine's would then
            // hold every message back until the next right click.
            return GetKeyState(VK_RBUTTON) >= 0;
        case WM_NCLBUTTONDBLCLK:
            OnNcLeftDoubleClick(lp);
            return FALSE;
        case WM_EXITSIZEMOVE:
            // Dragged, perhaps onto another monitor.
            m_toolTip.FitWidthTo(m_hWnd);
            return FALSE;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wp));
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return TRUE;
        case kMsgReload:
            Rebuild();
            return TRUE;
        case WM_ACTIVATE:
            // After the dialog manager has put back the focus it saved,
            // which a page load since may have destroyed.
            if (LOWORD(wp) != WA_INACTIVE) PostMessageA(m_hWnd, kMsgSettleFocus, 0, 0);
            return FALSE;
        case kMsgSettleFocus:
            SettleFocus();
            return TRUE;
    }
    return CDialogBase::HandleMessage(msg, wp, lp);
}

bool CBarDlg::OnCommand(UINT id, UINT code, HWND control) {
    // Page commands switch before the normal routing.
    if (id >= IDM_PAGE_FIRST && id <= IDM_PAGE_LAST)
        SwitchPage(static_cast<int>(id) - IDM_PAGE_FIRST + 1);
    if (CBarButton* button = control ? ButtonAt(control) : nullptr) {
        // Clicks are reflected to the button that sent them.
        if (code == BN_CLICKED) button->OnClicked();
        return true;
    }
    switch (id) {
        case IDM_ADD_REMOVE:
            OnAddRemoveButtons();
            return true;
        case IDM_SETTINGS:
            if (m_openSettings) m_openSettings();
            // The tips, paused while the sheet was open, come back.
            m_toolTip.Activate(true);
            return true;
        case IDM_RESTORE_STATE:
            RestoreSavedState();
            return true;
        case IDM_ABOUT:
        case ID_APP_ABOUT:
            if (m_showAbout) m_showAbout();
            return true;
        case IDM_HELP:
            OnHelp();
            return true;
        case ID_APP_EXIT:
            OnExit();
            return true;
    }
    return CDialogBase::OnCommand(id, code, control);
}

void CBarDlg::OnExit() {
    PrepareExit();
    // The host, the bar's owner, ends the application with its end.
    PostMessageA(GetWindow(m_hWnd, GW_OWNER), WM_CLOSE, 0, 0);
}

INT_PTR CBarDlg::OnQueryEndSession(WPARAM wp, LPARAM lp) {
    BOOL answer = static_cast<BOOL>(DefWindowProcA(m_hWnd, WM_QUERYENDSESSION, wp, lp));
    if (answer) PrepareExit();
    return SetMsgResult(answer);
}

// Another program refused the end of the session after the bar had
// answered yes and torn itself down: the bar goes on as it was. Each step
// replaces rather than adds, so a stray notice changes nothing.
void CBarDlg::ResumeAfterCancelledEnd() {
    Rebuild();
    RegisterBarHotKey();
    StartClockTimer();
}

void CBarDlg::OnDestroy() {
    KillTimer(m_hWnd, kClockTimerId);
    KillTimer(m_hWnd, kFirstPaintTimerId);
    m_buttons.clear();
    m_toolTip = CToolTip();
}

CBarButton* CBarDlg::ButtonAt(HWND wnd) const {
    for (const auto& button : m_buttons) {
        if (button->Handle() == wnd) return button.get();
    }
    return nullptr;
}
