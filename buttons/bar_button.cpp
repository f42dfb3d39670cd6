#include "buttons/bar_button.h"

#include <algorithm>

namespace {
constexpr DWORD kCreateStyle = BS_ICON | BS_VCENTER;  // 0x0C40
constexpr DWORD kButtonStyle = BS_CENTER | BS_VCENTER;  // 0x0F00
}  // namespace

CBarButton::~CBarButton() = default;

bool CBarButton::Create(HWND parent, const RECT& rect, int id) {
    m_wnd.Reset(CreateWindowExA(0, "BUTTON", "", WS_CHILD | kCreateStyle, rect.left, rect.top,
                                std::max(0L, rect.right - rect.left),
                                std::max(0L, rect.bottom - rect.top), parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr));
    if (!m_wnd) return false;
    SendMessageA(m_wnd.Get(), BM_SETSTYLE, kButtonStyle, TRUE);
    return true;
}

void CBarButton::Setup(int page, int index, const ButtonEntry& entry, int, int) {
    m_pageNo = page;
    m_btnIndex = index;
    m_entry = entry;
}

void CBarButton::OnClicked() {}
