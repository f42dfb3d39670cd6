#include "app/host_wnd.h"

#include <cstdio>

#include "app/launcher_app.h"
#include "bar/bar_dlg.h"
#include "res/resource.h"
#include "settings/open_settings.h"

namespace {
constexpr DWORD kHostStyle = WS_CAPTION | WS_MINIMIZEBOX;  // 0x00C20000

// The class name is made from what the class holds, so it is the same for
// every run of the same module.
const char* RegisterHostClass(HINSTANCE instance) {
    static char name[64];
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = CWindowBase::StaticProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    std::snprintf(name, sizeof name, "Tarvix:%p:%x", static_cast<void*>(instance),
                  static_cast<unsigned>(wc.style));
    wc.lpszClassName = name;
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, name, &existing)) RegisterClassA(&wc);
    return name;
}
}  // namespace

CHostWnd::CHostWnd(CLauncherApp& app) : m_app(app) {}

CHostWnd::~CHostWnd() {
    // The host's window takes the bar's window with it.
    if (m_hWnd) DestroyWindow(m_hWnd);
}

bool CHostWnd::Create(const char* title) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    return CreateEx(0, RegisterHostClass(instance), title, kHostStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance);
}

LRESULT CHostWnd::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            return OnCreate();
        case WM_DESTROY:
            PostQuitMessage(0);  // the main window's end ends the loop
            return 0;
    }
    return CWindowBase::HandleMessage(msg, wp, lp);
}

int CHostWnd::OnCreate() {
    m_bar = std::make_unique<CBarDlg>(
        m_app, [this] { m_app.OnAppAbout(); }, [this] { OpenSettings(*m_bar, m_app); });
    if (!m_bar->CreateModeless(m_hWnd)) {
        m_bar.reset();
        return 0;
    }
    ShowWindow(m_bar->Handle(), SW_SHOW);
    return 0;
}

void CHostWnd::OnFinalMessage() {
    m_bar.reset();
}
