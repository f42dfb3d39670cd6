#include "app/launcher_app.h"

#include <commctrl.h>

#include <memory>

#include "app/about_dlg.h"
#include "app/host_wnd.h"
#include "win/res_string.h"
#include "bar/bar_dlg.h"
#include "core/step_marks.h"
#include "config/win_registry.h"
#include "res/resource.h"

CLauncherApp::CLauncherApp(std::string appKey)
    : LauncherStore(std::make_unique<WinRegistry>()), m_appKey(std::move(appKey)) {}

CLauncherApp::~CLauncherApp() = default;

bool CLauncherApp::InitInstance() {
    Profile().SetRegistryKey(kRegistryCompany,
                             m_appKey.empty() ? LoadResString(IDS_APP_TITLE) : m_appKey);
    const std::string title = LoadResString(IDS_BAR_TITLE);
    // One copy per desktop: any top-level window with this title, of any
    // program, stops the start silently.
    if (FindWindowA(nullptr, title.c_str())) return false;
    StepDone("store key and single-copy check");

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    StepDone("common controls");

    // The bar is made with the host, and its own steps are told on the way.
    m_host = std::make_unique<CHostWnd>(*this);
    if (!m_host->Create(title.c_str()) || !Bar()) {
        m_host.reset();  // takes whatever window was made with it
        return false;
    }
    ShowWindow(m_host->Handle(), SW_HIDE);  // the host is never shown
    StepDone("host window, shown bar");
    return true;
}

CHostWnd* CLauncherApp::MainWnd() const {
    return m_host && m_host->Handle() ? m_host.get() : nullptr;
}

CBarDlg* CLauncherApp::Bar() const {
    CBarDlg* bar = MainWnd() ? m_host->Bar() : nullptr;
    return bar && bar->Handle() ? bar : nullptr;
}

int CLauncherApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
    return static_cast<int>(msg.wParam);
}

void CLauncherApp::ProcessMessage(MSG& msg) {
    if (PreTranslateMessage(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool CLauncherApp::PreTranslateMessage(MSG& msg) {
    CBarDlg* bar = Bar();
    if (!bar || !bar->Handle() || !msg.hwnd) return false;
    // Messages for the bar, its buttons and the windows it owns (its tool
    // tips) pass the bar's filter first.
    for (HWND wnd = msg.hwnd; wnd; wnd = GetParent(wnd)) {
        if (wnd == bar->Handle()) return bar->PreTranslateMessage(&msg);
    }
    return false;
}

void CLauncherApp::OnAppAbout() {
    CAboutDlg about;
    CBarDlg* bar = Bar();
    about.DoModal(bar ? bar->Handle() : nullptr);
}
