#include "buttons/load_icon.h"

#include <shellapi.h>

#include <climits>

#include "core/sjis.h"

namespace {
constexpr UINT kListFlags = ILC_COLORDDB | ILC_MASK;  // 0xFF
}

CLoadIcon::~CLoadIcon() {
    if (m_imageList) ImageList_Remove(m_imageList.Get(), 0);
}

void CLoadIcon::SetSmall(int small) {
    m_count = 0;
    m_small = small;
    const int size = small ? 16 : 32;
    m_imageList.Reset(ImageList_Create(size, size, kListFlags, 0, 0));
}

bool CLoadIcon::HasNumberedIcons() const {
    return sjis::EqualsNoCase(m_ext, ".exe") || sjis::EqualsNoCase(m_ext, ".dll");
}

void CLoadIcon::SetFile(const std::string& file) {
    m_file = file;
    m_ext = sjis::Extension(file);
    if (!HasNumberedIcons()) {
        m_count = 1;
        return;
    }
    UINT count = ExtractIconExA(m_file.c_str(), -1, nullptr, nullptr, 1);
    // A file that cannot be read gives UINT_MAX under Wine: it has no icons.
    m_count = count > static_cast<UINT>(INT_MAX) ? 0 : static_cast<int>(count);
}

UniqueIcon CLoadIcon::ExtractNumbered(int index) const {
    HICON large = nullptr, small = nullptr;
    // One icon at a time: asking for more fills only the first (Wine), and
    // a failed call may leave stale values behind, so only a positive
    // result hands over handles.
    UINT got = ExtractIconExA(m_file.c_str(), index, &large, &small, 1);
    if (got == 0 || got == UINT_MAX) return {};
    UniqueIcon largeIcon(large), smallIcon(small);
    return m_small ? std::move(smallIcon) : std::move(largeIcon);
}

UniqueIcon CLoadIcon::ShellIcon() {
    m_count = 1;
    SHFILEINFOA info{};
    UINT flags = SHGFI_ICON | (m_small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    if (!SHGetFileInfoA(m_file.c_str(), 0, &info, sizeof info, flags)) return {};
    return UniqueIcon(info.hIcon);
}

UniqueIcon CLoadIcon::GetIcon(int index) {
    UniqueIcon source;
    if (HasNumberedIcons()) source = ExtractNumbered(index);
    if (!source) source = ShellIcon();
    if (!m_imageList) return {};
    ImageList_Remove(m_imageList.Get(), 0);
    // Appending scales the icon to the list's size.
    if (source) ImageList_ReplaceIcon(m_imageList.Get(), -1, source.Get());
    if (ImageList_GetImageCount(m_imageList.Get()) == 0) return {};
    return UniqueIcon(ImageList_GetIcon(m_imageList.Get(), 0, ILD_NORMAL));
}
