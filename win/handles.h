#pragma once
// Move-only owners for the handles this program creates. Borrowed handles
// (stock objects, icons loaded from resources, windows of others) stay raw.

#include <windows.h>
#include <commctrl.h>

#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) { Reset(h); }
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    void Reset(Handle h = nullptr) {
        if (m_handle) {
            Traits::Close(m_handle);
            --s_live;
        }
        m_handle = h;
        if (m_handle) ++s_live;
    }

    // Handles of this kind owned right now, all owners together. The leak
    // tests read it: Wine does not count GDI and USER objects per process.
    static long LiveCount() { return s_live; }

private:
    Handle m_handle = nullptr;
    static inline long s_live = 0;
};

template <typename T>
struct GdiTraits {
    using Handle = T;
    static void Close(T h) { DeleteObject(h); }
};
struct IconTraits {
    using Handle = HICON;
    static void Close(HICON h) { DestroyIcon(h); }
};
struct ImageListTraits {
    using Handle = HIMAGELIST;
    static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};
struct MenuTraits {
    using Handle = HMENU;
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct KeyTraits {
    using Handle = HKEY;
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct WindowTraits {
    using Handle = HWND;
    static void Close(HWND h) { DestroyWindow(h); }
};
struct KernelTraits {
    using Handle = HANDLE;
    static void Close(HANDLE h) { CloseHandle(h); }
};
template <typename T>
struct ComTraits {
    using Handle = T*;
    static void Close(T* p) { p->Release(); }
};

using UniqueFont = UniqueHandle<GdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<GdiTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiTraits<HPEN>>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueImageList = UniqueHandle<ImageListTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueKey = UniqueHandle<KeyTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueKernelHandle = UniqueHandle<KernelTraits>;
// A reference to a COM object, released on scope exit.
template <typename T>
using UniqueCom = UniqueHandle<ComTraits<T>>;

// A device context of a window, released on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND wnd) : m_wnd(wnd), m_dc(GetDC(wnd)) {}
    ~WindowDC() {
        if (m_dc) ReleaseDC(m_wnd, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_wnd;
    HDC m_dc;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND wnd) : m_wnd(wnd) { BeginPaint(wnd, &m_ps); }
    ~PaintScope() { EndPaint(m_wnd, &m_ps); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

private:
    HWND m_wnd;
    PAINTSTRUCT m_ps{};
};

// Selects a GDI object into a DC and selects the previous one back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectScope() {
        if (m_old) SelectObject(m_dc, m_old);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};
