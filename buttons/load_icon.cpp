#include "buttons/load_icon.h"

#include <shellapi.h>

#include <climits>

#include "core/dpi_scale.h"
#include "core/sjis.h"

namespace {

bool HasNumberedIcons(const std::string& ext) {
    return sjis::EqualsNoCase(ext, ".exe") || sjis::EqualsNoCase(ext, ".dll");
}
}  // namespace

CLoadIcon::~CLoadIcon() {
    if (m_imageList) ImageList_Remove(m_imageList.Get(), 0);
}

void CLoadIcon::SetSmall(bool small, int dpi) {
    m_count = 0;
    m_small = small;
    m_dpi = dpi;
    m_size = ScaleForDpi(small ? 16 : 32, dpi);
    m_imageList.Reset(ImageList_Create(m_size, m_size, kIconListFlags, 0, 0));
}

void CLoadIcon::SetFile(const std::string& file) {
    m_file = file;
    m_ext = sjis::Extension(file);
    if (!HasNumberedIcons(m_ext)) {
        m_count = 1;
        return;
    }
    UINT count = ExtractIconExA(m_file.c_str(), -1, nullptr, nullptr, 1);
    // A file that cannot be read gives UINT_MAX under Wine: it has no icons.
    m_count = count > static_cast<UINT>(INT_MAX) ? 0 : static_cast<int>(count);
}

UniqueIcon CLoadIcon::ExtractNumbered(const std::string& file, int index, bool small) {
    HICON large = nullptr, smallIcon = nullptr;
    // One icon at a time: asking for more fills only the first (Wine), and
    // a failed call may leave stale values behind, so only a positive
    // result hands over handles. A large icon alone costs half of both; a
    // small one is asked for with its large one, because alone it may come
    // out of another image of the file.
    UINT got = ExtractIconExA(file.c_str(), index, &large, small ? &smallIcon : nullptr, 1);
    if (got == 0 || got == UINT_MAX) return {};
    UniqueIcon largeOwner(large), smallOwner(smallIcon);
    return small ? std::move(smallOwner) : std::move(largeOwner);
}

UniqueIcon CLoadIcon::ExtractSized(const std::string& file, int index, int size) {
    HICON icon = nullptr;
    UINT id = 0;
    const UINT got = PrivateExtractIconsA(file.c_str(), index, size, size, &icon, &id, 1, 0);
    if (got == 0 || got == UINT_MAX || !icon) return {};
    return UniqueIcon(icon);
}

UniqueIcon CLoadIcon::ShellIcon(const std::string& file, bool small) {
    SHFILEINFOA info{};
    UINT flags = SHGFI_ICON | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    if (!SHGetFileInfoA(file.c_str(), 0, &info, sizeof info, flags)) return {};
    return UniqueIcon(info.hIcon);
}

UniqueIcon CLoadIcon::SourceIcon(const std::string& file, int index, bool* fromShell) const {
    UniqueIcon icon;
    if (HasNumberedIcons(sjis::Extension(file)))
        icon = m_dpi == kBaseDpi ? ExtractNumbered(file, index, m_small)
                                 : ExtractSized(file, index, m_size);
    if (fromShell) *fromShell = !icon;
    return icon ? std::move(icon) : ShellIcon(file, m_small);
}

UniqueIcon CLoadIcon::GetIcon(int index) {
    bool fromShell = false;
    UniqueIcon source = SourceIcon(m_file, index, &fromShell);
    if (fromShell) m_count = 1;
    return ThroughList(std::move(source));
}

UniqueIcon CLoadIcon::GetIcon(const std::string& file, int index) {
    return ThroughList(SourceIcon(file, index));
}

UniqueIcon CLoadIcon::ThroughList(UniqueIcon source) {
    if (!m_imageList) return {};
    ImageList_Remove(m_imageList.Get(), 0);
    // Appending scales the icon to the list's size.
    if (source) ImageList_ReplaceIcon(m_imageList.Get(), -1, source.Get());
    if (ImageList_GetImageCount(m_imageList.Get()) == 0) return {};
    return UniqueIcon(ImageList_GetIcon(m_imageList.Get(), 0, ILD_NORMAL));
}
