// The bar's message filter: tool-tip relay, hotkey, and the keys.

#include "bar/bar_dlg.h"
#include "bar/input_rules.h"
#include "buttons/bar_button.h"

namespace {
// F10 is the menu key: it arrives as a system key, not as a key-down.
bool IsKeyDown(const MSG& msg) {
    return msg.message == WM_KEYDOWN || (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F10);
}
}  // namespace

bool CBarDlg::PreTranslateMessage(MSG* msg) {
    m_toolTip.RelayEvent(msg);
    if (msg->message == WM_HOTKEY) {
        ActivateFromHotKey();
        return true;
    }
    if (IsKeyDown(*msg) && OnKeyDown(static_cast<UINT>(msg->wParam))) return true;
    return CDialogBase::PreTranslateMessage(msg);
}

bool CBarDlg::OnKeyDown(UINT key) {
    const KeyAction action =
        KeyActionFor(static_cast<int>(key), (m_settings.option & OPT_VERTICAL) != 0);
    POINT origin{0, 0};
    switch (action.kind) {
        case KeyAction::None:
            return false;
        case KeyAction::MoveFocus:
            MoveFocusByLine(key);
            break;
        case KeyAction::SwitchPage:
            SwitchPage(action.page);
            break;
        case KeyAction::PageMenu:
            ClientToScreen(m_hWnd, &origin);
            ShowPageMenu(origin.x, origin.y, false);
            break;
        case KeyAction::BarMenu:
            ClientToScreen(m_hWnd, &origin);
            ShowBarMenu(origin.x, origin.y);
            break;
    }
    return true;
}

void CBarDlg::MoveFocusByLine(UINT key) {
    const CBarButton* focused = ButtonAt(GetFocus());
    if (!focused) return;
    // The lines as laid out: a hand-edited count beyond the shown buttons
    // does not count.
    const int count = static_cast<int>(m_buttons.size());
    const int target =
        FocusTarget(focused->GetIndex(), static_cast<int>(key), count, m_pageSetup.LineCount);
    if (target < 0) return;
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_buttons[target]->Handle()),
                 TRUE);
}
