#include "win/window_base.h"

bool CWindowBase::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                           int x, int y, int cx, int cy, HWND parent, HMENU menu,
                           HINSTANCE instance) {
    return CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, parent, menu, instance,
                           this) != nullptr;
}

LRESULT CWindowBase::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(m_hWnd, msg, wp, lp);
}

LRESULT CALLBACK CWindowBase::StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<CWindowBase*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<CWindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->m_hWnd = wnd;
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(wnd, msg, wp, lp);
    LRESULT result = 0;
    // An exception must not unwind through the platform's code.
    try {
        result = self->HandleMessage(msg, wp, lp);
    } catch (...) {
        result = DefWindowProcA(wnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        self->OnFinalMessage();
    }
    return result;
}
