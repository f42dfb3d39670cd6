#include "app/launcher_app.h"

#include <commctrl.h>

#include <memory>

#include "app/about_dlg.h"
#include "app/host_wnd.h"
#include "app/res_string.h"
#include "bar/bar_dlg.h"
#include "config/win_registry.h"
#include "res/resource.h"

namespace {
constexpr const char kRegistryKey[] = "Quenlow";
}

CLauncherApp::CLauncherApp() : LauncherStore(std::make_unique<WinRegistry>()) {}

CLauncherApp::~CLauncherApp() {
    // Normally the host is gone by now; a test or a failed start may leave it.
    if (m_mainWnd && m_mainWnd->Handle()) DestroyWindow(m_mainWnd->Handle());
}

bool CLauncherApp::InitInstance() {
    Profile().SetRegistryKey(kRegistryKey, LoadResString(IDS_APP_TITLE));
    const std::string title = LoadResString(IDS_BAR_TITLE);
    // One copy per desktop: any top-level window with this title, of any
    // program, stops the start silently.
    if (FindWindowA(nullptr, title.c_str())) return false;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    auto* host = new CHostWnd(*this);
    m_mainWnd = host;
    if (!host->Create(title.c_str()) || !host->Bar() || !host->Bar()->Handle()) {
        // A window that was made is torn down by its final clean-up, which
        // also deletes the host; otherwise the host object is still ours.
        if (m_mainWnd && m_mainWnd->Handle()) DestroyWindow(m_mainWnd->Handle());
        if (m_mainWnd) delete m_mainWnd;
        m_mainWnd = nullptr;
        return false;
    }
    ShowWindow(host->Handle(), SW_HIDE);  // the host is never shown
    DragAcceptFiles(host->Bar()->Handle(), TRUE);
    return true;
}

CBarDlg* CLauncherApp::Bar() const { return m_mainWnd ? m_mainWnd->Bar() : nullptr; }

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
