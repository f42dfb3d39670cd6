#pragma once
// An icon picture control of a dialog and the icon it shows, which it
// owns: the control never shows a destroyed icon, and nothing leaks.

#include <windows.h>

#include <utility>

#include "win/handles.h"

class CIconPreview {
public:
    void Attach(HWND control) { m_control = control; }
    // Shows `icon`; an empty one clears the picture.
    void Show(UniqueIcon icon) {
        SendMessageA(m_control, STM_SETICON, reinterpret_cast<WPARAM>(icon.Get()), 0);
        m_icon = std::move(icon);
    }
    HICON Shown() const { return m_icon.Get(); }

private:
    HWND m_control = nullptr;
    UniqueIcon m_icon;
};
