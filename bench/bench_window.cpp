#include "bench/bench_window.h"

namespace bench {
namespace {

const char* BenchClass() {
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "TarvixBenchWindow";
        RegisterClassA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

}  // namespace

UniqueWindow BenchWindow(DWORD style, int x, int y, int width, int height) {
    return UniqueWindow(CreateWindowExA(WS_EX_TOOLWINDOW, BenchClass(), "", style, x, y, width,
                                        height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                        nullptr));
}

}  // namespace bench
