#include "win/sheet_fit.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>

#include "win/dialog_template.h"

namespace {

// The sheet's own buttons; Apply (hidden here) has no named constant.
constexpr int kSheetButtons[] = {IDOK, IDCANCEL, IDHELP, 0x3021};

// The page's template size in pixels of the page's font; empty when the
// template cannot be read.
SIZE TemplatePixels(HWND page, HINSTANCE instance, int templateId) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const auto size = ReadTemplateSize(static_cast<const unsigned char*>(bytes),
                                       bytes ? SizeofResource(instance, found) : 0);
    if (!size) return {};
    RECT r{0, 0, size->cx, size->cy};
    MapDialogRect(page, &r);
    return {r.right, r.bottom};
}

// The tab control's display area in the sheet's client coordinates.
RECT DisplayArea(HWND sheet, HWND tabs) {
    RECT area;
    GetClientRect(tabs, &area);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    MapWindowPoints(tabs, sheet, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void Grow(HWND wnd, int dx, int dy) {
    RECT r;
    GetWindowRect(wnd, &r);
    SetWindowPos(wnd, nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveBy(HWND sheet, HWND wnd, int dx, int dy) {
    RECT r;
    GetWindowRect(wnd, &r);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(wnd, nullptr, r.left + dx, r.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsPage(HWND wnd) {
    char name[8] = "";
    GetClassNameA(wnd, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}

void PlacePages(HWND sheet, const RECT& area) {
    for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsPage(child))
            SetWindowPos(child, nullptr, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FitSheetToPage(HWND page, HINSTANCE instance, int templateId) {
    HWND sheet = GetParent(page);
    HWND tabs = sheet ? PropSheet_GetTabControl(sheet) : nullptr;
    if (!tabs) return;
    const SIZE need = TemplatePixels(page, instance, templateId);
    const RECT area = DisplayArea(sheet, tabs);
    const int dx = std::max(0L, need.cx - (area.right - area.left));
    const int dy = std::max(0L, need.cy - (area.bottom - area.top));
    if (dx || dy) {
        Grow(sheet, dx, dy);
        Grow(tabs, dx, dy);
        for (int id : kSheetButtons)
            if (HWND button = GetDlgItem(sheet, id)) MoveBy(sheet, button, dx, dy);
    }
    PlacePages(sheet, DisplayArea(sheet, tabs));
}
