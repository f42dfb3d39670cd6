#include "buttons/icon_share.h"

CLoadIcon& CIconShare::Loader(int which) {
    std::optional<CLoadIcon>& loader = m_loaders[which];
    if (!loader) {
        loader.emplace();
        loader->SetSmall(which == 1, m_dpi);
    }
    return *loader;
}

HICON CIconShare::Get(const std::string& file, int index, bool small, int shownSize) {
    const int which = small ? 1 : 0;
    auto [it, added] = m_icons.try_emplace({file, index, which, shownSize});
    if (added) it->second = Loader(which).GetIcon(file, index, shownSize);
    return it->second.Get();
}
