#pragma once
// One launcher button on the bar: a child push button that shows only the
// icon of its target and starts the target when clicked. A press of the
// right mouse button opens its own menu: edit the button, delete it.

#include <windows.h>

#include <string>

#include "win/handles.h"
#include "buttons/app_start.h"
#include "buttons/button_host.h"
#include "config/records.h"
#include "core/dpi_scale.h"

class CIconCache;

class CBarButton {
public:
    CBarButton() = default;
    ~CBarButton();
    CBarButton(const CBarButton&) = delete;
    CBarButton& operator=(const CBarButton&) = delete;

    // Creates the (hidden) control: no caption, BS_ICON | BS_VCENTER, then
    // the button style BS_CENTER | BS_VCENTER. `host` is the parent's
    // side of the button menu. False when refused.
    bool Create(HWND parent, CButtonHost& host, const RECT& rect, int id);
    HWND Handle() const { return m_wnd.Get(); }

    // Keeps the entry, prepares the launcher and shows the icon at the size
    // the icon bits ask for at `dpi`, taken from `icons` (the bar's, which
    // outlive the button) or, without them, read for this button alone.
    // `btnSize` is in pixels.
    void Setup(int page, int index, const ButtonEntry& entry, int iconBits, int btnSize,
               CIconCache* icons = nullptr, int dpi = kBaseDpi);
    // The window text, which assistive technology reads as the button's
    // name; an icon button never draws it. Its "&" is no access key.
    void SetName(const std::string& name) const;
    // (Re)loads the icon from the entry and gives it to the control.
    void LoadButtonIcon();

    void GetEntry(ButtonEntry& entry) const { entry = m_entry; }
    int GetIndex() const { return m_btnIndex; }
    // The list that holds the icons of this button's size.
    HIMAGELIST ImageList() const;

    void RunWithFile(const std::string& file) const { m_appStart.RunWithFile(file); }
    // The clicked notification, reflected by the bar.
    void OnClicked() const { m_appStart.Start(); }

private:
    // The button's own procedure ahead of the control's. A plain
    // replacement of the procedure: the common controls' subclassing looks
    // its data up by a window property on every message, which under Wine
    // is a call to the server and doubles the cost of painting a button.
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    // The button menu at a point of the button's client area.
    void ShowButtonMenu(POINT point);
    void OnEdit();
    // After a confirmed delete the button no longer exists.
    void OnDelete();

    CButtonHost* m_host = nullptr;
    WNDPROC m_originalProc = nullptr;
    int m_pageNo = 0;
    int m_btnIndex = 0;
    ButtonEntry m_entry;
    CAppStart m_appStart;
    CIconCache* m_icons = nullptr;
    bool m_smallIcon = false;
    int m_iconSize = 0;
    int m_dpi = kBaseDpi;
    // The icon the control shows. Declared before the window, so the window
    // goes first and never shows a destroyed icon.
    UniqueIcon m_shownIcon;
    UniqueWindow m_wnd;
};

// Side of the button's icon for the icon bits: the button (in pixels) less
// 4 pixels when fitting, 32 for large icons, else 16, those at `dpi`
// (kept within 1..256).
int ButtonIconSize(int iconBits, int btnSize, int dpi = kBaseDpi);
