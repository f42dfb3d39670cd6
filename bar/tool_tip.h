#pragma once
// The bar's tool-tip control: one tool for the bar and one per button.

#include <windows.h>

#include <string>

#include "win/handles.h"

class CToolTip {
public:
    // TTS_ALWAYSTIP: tips show while the bar is not the active window.
    bool Create(HWND owner);
    HWND Handle() const { return m_wnd.Get(); }

    void Activate(bool on);
    void SetAutomaticDelay(int milliseconds);
    // Long tips wrap so that they fit the work area of wnd's monitor.
    void FitWidthTo(HWND wnd);

    // A tool for the whole of window `wnd` (its id is the window itself).
    void AddWindowTool(HWND wnd, const std::string& text);
    // A tool for a rectangle of `wnd` with the given id.
    void AddTool(HWND wnd, const std::string& text, const RECT& rect, UINT id);
    void DelTool(HWND wnd, UINT id);
    void UpdateTipText(HWND wnd, UINT id, const std::string& text);
    int GetToolCount() const;
    // The rectangle registered for tool (wnd, id); false if there is none.
    bool GetToolRect(HWND wnd, UINT id, RECT& rect) const;
    void RelayEvent(MSG* msg);
    // True when point (in wnd's client coordinates) lies in a tool of wnd.
    bool HitTest(HWND wnd, POINT point) const;

private:
    UniqueWindow m_wnd;
};
