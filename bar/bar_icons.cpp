// The icons of the page's buttons: read on the workers, the page load
// waiting for them while they keep coming. One that comes later takes the
// place of the program's own icon on its buttons then.

#include "bar/bar_dlg.h"
#include "bar/bar_ids.h"
#include "buttons/bar_button.h"

namespace {
// How long the load waits for the next icon before it shows the page with
// the program's own icon on the buttons still waiting.
constexpr DWORD kIconPatienceMs = 250;
}  // namespace

void CBarDlg::LoadIcons() {
    if (!m_workers) m_workers = std::make_unique<CIconWorkers>(m_hWnd, kMsgIconsArrived);
    m_workers->BeginLoad();
    for (const auto& button : m_buttons) {
        const IconKey key = button->Icon();
        m_workers->Submit({key, m_dpi, m_icons.Kept(key)});
    }
    size_t waiting = m_buttons.size();
    while (waiting > 0) {
        std::vector<IconResult> results = m_workers->Take(kIconPatienceMs);
        if (results.empty()) break;
        for (IconResult& result : results) waiting -= ShowIconResult(result);
    }
    for (const auto& button : m_buttons) {
        if (button->WaitsForIcon())
            button->ShowIcon(m_icons.Placeholder(button->Icon().size), true);
    }
}

size_t CBarDlg::ShowIconResult(IconResult& result) {
    if (result.dpi != m_dpi) return 0;
    const IconKey& key = result.key;
    UniqueIcon icon = result.fresh ? m_icons.Find(key, result.stamp)
                                   : m_icons.Keep(key, result.stamp, std::move(result.icon));
    size_t shown = 0;
    for (const auto& button : m_buttons) {
        if (!button->WaitsForIcon() || !(button->Icon() == key)) continue;
        if (!icon) {
            // The kept icon was given up meanwhile: it is read after all.
            m_workers->Submit({key, m_dpi, std::nullopt});
            return 0;
        }
        button->ShowIcon(std::move(icon));
        icon = m_icons.Find(key, result.stamp);  // for another button of the same icon
        ++shown;
    }
    return shown;
}

void CBarDlg::OnIconsArrived() {
    if (!m_workers) return;
    for (IconResult& result : m_workers->Take(0)) ShowIconResult(result);
}
