#include "bench/paint_floor.h"

#include <uxtheme.h>

#include <optional>

#include "bench/bench_stats.h"
#include "bench/bench_window.h"

namespace bench {
namespace {

// The one counter alive, and what it has counted.
HWND g_counted = nullptr;
PaintCount g_count;
HHOOK g_sent = nullptr, g_got = nullptr;

void Note(HWND wnd, UINT msg) {
    if (!g_counted || !wnd) return;
    const bool self = wnd == g_counted;
    if (!self && GetParent(wnd) != g_counted) return;
    switch (msg) {
        case WM_ERASEBKGND:
            ++(self ? g_count.erase : g_count.childErase);
            break;
        case WM_PAINT:
            ++(self ? g_count.paint : g_count.childPaint);
            break;
        case WM_NCPAINT:
            ++(self ? g_count.frame : g_count.childFrame);
            break;
    }
}

LRESULT CALLBACK SentHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
        Note(m->hwnd, m->message);
    }
    return CallNextHookEx(g_sent, code, wp, lp);
}

LRESULT CALLBACK GotHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && wp == PM_REMOVE) {
        const auto* m = reinterpret_cast<const MSG*>(lp);
        Note(m->hwnd, m->message);
    }
    return CallNextHookEx(g_got, code, wp, lp);
}

}  // namespace

double PumpQueue() {
    const double start = NowMs();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return NowMs() - start;
}

PaintFloor::PaintFloor() = default;

PaintFloor::~PaintFloor() = default;

double PaintFloor::Paint(HWND bar, const std::vector<HWND>& buttons, PaintCount* counted) {
    m_buttons.clear();
    RECT r;
    GetWindowRect(bar, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (!m_wnd) m_wnd = BenchWindow(WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0);
    // Below the bar, not over it, with the same part off the screen.
    SetWindowPos(m_wnd.Get(), HWND_TOPMOST, r.left, r.bottom + 40, w, h,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    PumpQueue();
    RedrawWindow(m_wnd.Get(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    for (HWND b : buttons) {
        RECT br;
        GetWindowRect(b, &br);
        MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&br), 2);
        HWND wnd = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_ICON | BS_CENTER | BS_VCENTER,
                                   br.left, br.top, br.right - br.left, br.bottom - br.top,
                                   m_wnd.Get(), nullptr, GetModuleHandleA(nullptr), nullptr);
        // The classic look, as the bar's buttons have it.
        if (IsAppThemed()) SetWindowTheme(wnd, L"", L"");
        SendMessageA(wnd, BM_SETIMAGE, IMAGE_ICON, SendMessageA(b, BM_GETIMAGE, IMAGE_ICON, 0));
        m_buttons.emplace_back(wnd);
    }
    PumpQueue();
    // The whole window updated at once.
    std::optional<PaintCounter> counter;
    if (counted) counter.emplace(m_wnd.Get());
    const double start = NowMs();
    // Shown now, so that the timed paint is their first, as a new page's.
    for (const UniqueWindow& b : m_buttons)
        SetWindowPos(b.Get(), nullptr, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_DEFERERASE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                         SWP_NOACTIVATE);
    RedrawWindow(m_wnd.Get(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpQueue();
    const double ms = NowMs() - start;
    if (counted) *counted = counter->Count();
    return ms;
}

PaintCounter::PaintCounter(HWND wnd) {
    g_counted = wnd;
    g_count = PaintCount{};
    g_sent = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
    g_got = SetWindowsHookExA(WH_GETMESSAGE, GotHook, nullptr, GetCurrentThreadId());
}

PaintCounter::~PaintCounter() {
    UnhookWindowsHookEx(g_sent);
    UnhookWindowsHookEx(g_got);
    g_counted = nullptr;
}

const PaintCount& PaintCounter::Count() const {
    return g_count;
}

}  // namespace bench
