#pragma once
// One launcher button on the bar: a child push button that shows only an
// icon and stands for one ButtonEntry.

#include <windows.h>

#include <string>

#include "app/handles.h"
#include "config/records.h"

class CBarButton {
public:
    CBarButton() = default;
    ~CBarButton();
    CBarButton(const CBarButton&) = delete;
    CBarButton& operator=(const CBarButton&) = delete;

    // Creates the (hidden) control: no caption, BS_ICON | BS_VCENTER, then
    // the button style BS_CENTER | BS_VCENTER. False when refused.
    bool Create(HWND parent, const RECT& rect, int id);
    HWND Handle() const { return m_wnd.Get(); }

    void Setup(int page, int index, const ButtonEntry& entry, int iconBits, int btnSize);
    void GetEntry(ButtonEntry& entry) const { entry = m_entry; }
    int GetIndex() const { return m_btnIndex; }
    int GetPage() const { return m_pageNo; }

    // The clicked notification, reflected by the bar.
    void OnClicked();

private:
    int m_pageNo = 0;
    int m_btnIndex = 0;
    ButtonEntry m_entry;
    UniqueWindow m_wnd;
};
