#include "bar/tool_tip.h"

#include <commctrl.h>

#include "bar/tool_tip_text.h"

namespace {
// TTTOOLINFOA without the lParam and lpReserved members that newer headers
// add, so that every version of comctl32 accepts its size.
TTTOOLINFOA ToolInfo(HWND wnd, UINT_PTR id, UINT flags) {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.uFlags = flags;
    ti.hwnd = wnd;
    ti.uId = id;
    return ti;
}
}  // namespace

bool CToolTip::Create(HWND owner) {
    m_wnd.Reset(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                                nullptr, GetModuleHandleA(nullptr), nullptr));
    return static_cast<bool>(m_wnd);
}

void CToolTip::Activate(bool on) {
    SendMessageA(Handle(), TTM_ACTIVATE, on, 0);
}

void CToolTip::SetAutomaticDelay(int milliseconds) {
    SendMessageA(Handle(), TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(milliseconds, 0));
}

void CToolTip::FitWidthTo(HWND wnd) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info)) return;
    SendMessageA(Handle(), TTM_SETMAXTIPWIDTH, 0,
                 TipTextWidth(static_cast<int>(info.rcWork.right - info.rcWork.left)));
}

void CToolTip::AddWindowTool(HWND wnd, const std::string& text) {
    TTTOOLINFOA ti = ToolInfo(wnd, reinterpret_cast<UINT_PTR>(wnd), TTF_IDISHWND);
    ti.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(Handle(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTip::AddTool(HWND wnd, const std::string& text, const RECT& rect, UINT id) {
    TTTOOLINFOA ti = ToolInfo(wnd, id, 0);
    ti.rect = rect;
    ti.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(Handle(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTip::DelTool(HWND wnd, UINT id) {
    TTTOOLINFOA ti = ToolInfo(wnd, id, 0);
    SendMessageA(Handle(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTip::UpdateTipText(HWND wnd, UINT id, const std::string& text) {
    TTTOOLINFOA ti = ToolInfo(wnd, id, 0);
    ti.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(Handle(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

int CToolTip::GetToolCount() const {
    return static_cast<int>(SendMessageA(Handle(), TTM_GETTOOLCOUNT, 0, 0));
}

bool CToolTip::GetToolRect(HWND wnd, UINT id, RECT& rect) const {
    TTTOOLINFOA ti = ToolInfo(wnd, id, 0);
    if (!SendMessageA(Handle(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti))) return false;
    rect = ti.rect;
    return true;
}

void CToolTip::RelayEvent(MSG* msg) {
    SendMessageA(Handle(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

bool CToolTip::HitTest(HWND wnd, POINT point) const {
    TTHITTESTINFOA hit{};
    hit.hwnd = wnd;
    hit.pt = point;
    hit.ti.cbSize = TTTOOLINFOA_V2_SIZE;
    return SendMessageA(Handle(), TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)) != FALSE;
}
