#include "buttons/bar_button.h"

#include <uxtheme.h>

#include <algorithm>

#include "buttons/icon_cache.h"

namespace {
constexpr DWORD kCreateStyle = BS_ICON | BS_VCENTER;    // 0x0C40
constexpr DWORD kButtonStyle = BS_CENTER | BS_VCENTER;  // 0x0F00
}  // namespace

int ButtonIconSize(int iconBits, int btnSize, int dpi) {
    int size = ScaleForDpi(16, dpi);
    if (iconBits & OPT_FITICON) {
        const int margin = ScaleForDpi(4, dpi);
        size = btnSize <= margin ? 1 : btnSize - margin;
    } else if (iconBits & OPT_LARGEICON) {
        size = ScaleForDpi(32, dpi);
    }
    return std::clamp(size, 1, 256);
}

CBarButton::~CBarButton() = default;

bool CBarButton::Create(HWND parent, CButtonHost& host, const RECT& rect, int id) {
    m_host = &host;
    const int cx = std::max(0L, rect.right - rect.left), cy = std::max(0L, rect.bottom - rect.top);
    m_wnd.Reset(CreateWindowExA(0, "BUTTON", "", WS_CHILD | kCreateStyle, rect.left, rect.top, cx,
                                cy, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr));
    if (!m_wnd) return false;
    SetWindowLongPtrA(m_wnd.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_wnd.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    SendMessageA(m_wnd.Get(), BM_SETSTYLE, kButtonStyle, TRUE);
    // The classic raised look whatever the visual style: a themed border
    // would clip an icon that nearly fills the button. Without a style in
    // use the button is classic already (and Wine draws one taken off an
    // absent style flat).
    if (IsAppThemed()) SetWindowTheme(m_wnd.Get(), L"", L"");
    return true;
}

void CBarButton::Setup(int page, int index, const ButtonEntry& entry, int iconBits, int btnSize,
                       CIconCache* icons, int dpi) {
    m_dpi = dpi;
    m_pageNo = page;
    m_btnIndex = index;
    m_entry = entry;
    m_appStart.SetTarget(Handle(), m_entry.AppName, m_entry.Dir, m_entry.Parm, m_entry.ShowMode);
    m_iconSize = ButtonIconSize(iconBits, btnSize, dpi);
    m_icons = icons;
    // Icon 0 on a 16-pixel page uses the file's own small variant; every
    // other case scales the large one.
    m_smallIcon = m_entry.IconIndex == 0 && !(iconBits & (OPT_FITICON | OPT_LARGEICON));
    LoadButtonIcon();
}

void CBarButton::SetName(const std::string& name) const {
    // The dialog manager takes a single "&" in a control's text as an
    // access key, and a typed letter would click the button; doubled, it is
    // a plain "&", read as written. No Shift-JIS trail byte is an "&".
    std::string text;
    for (char c : name) {
        text += c;
        if (c == '&') text += '&';
    }
    SetWindowTextA(Handle(), text.c_str());
}

HIMAGELIST CBarButton::ImageList() const {
    return m_icons ? m_icons->List(m_iconSize) : nullptr;
}

void CBarButton::LoadButtonIcon() {
    if (m_iconSize <= 0) return;
    const std::string& source = m_entry.IconFile.empty() ? m_entry.AppName : m_entry.IconFile;
    // A button without the bar's icons takes the same road by itself.
    CIconCache own(m_dpi);
    UniqueIcon fresh =
        (m_icons ? *m_icons : own).Get(source, m_entry.IconIndex, m_smallIcon, m_iconSize);
    SendMessageA(Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(fresh.Get()));
    // The control shows the new icon now; the old one may go.
    m_shownIcon = std::move(fresh);
}
