#pragma once
// A plain window: the static procedure keeps `this` in GWLP_USERDATA from
// WM_NCCREATE on and forwards every message to HandleMessage.

#include <windows.h>

class CWindowBase {
public:
    CWindowBase() = default;
    virtual ~CWindowBase() = default;
    CWindowBase(const CWindowBase&) = delete;
    CWindowBase& operator=(const CWindowBase&) = delete;

    HWND Handle() const { return m_hWnd; }

    static LRESULT CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

protected:
    // Creates the window; the creation parameter must be left to this class.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                  int y, int cx, int cy, HWND parent, HMENU menu, HINSTANCE instance);

    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    // Runs after WM_NCDESTROY, when the window is gone; may delete `this`.
    virtual void OnFinalMessage() {}

    HWND m_hWnd = nullptr;
};
