#include "buttons/load_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <climits>

#include "core/dpi_scale.h"
#include "core/sjis.h"
#include "win/shell_icon.h"

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

SizedIcon CLoadIcon::SourceIcon(const std::string& file, int index, int wanted,
                                bool* fromShell) const {
    const std::string ext = sjis::Extension(file);
    SizedIcon icon;
    if (HasNumberedIcons(ext)) {
        icon.icon = m_dpi == kBaseDpi ? ExtractNumbered(file, index, m_small)
                                      : ExtractSized(file, index, m_size);
        icon.size = m_size;
    } else if (sjis::EqualsNoCase(ext, ".ico")) {
        icon = IconFileImage(file, wanted);
    }
    if (fromShell) *fromShell = !icon.icon;
    return icon.icon ? std::move(icon) : ShellIcon(file, m_small, wanted);
}

UniqueIcon CLoadIcon::GetIcon(int index) {
    bool fromShell = false;
    SizedIcon source = SourceIcon(m_file, index, m_size, &fromShell);
    if (fromShell) m_count = 1;
    return ThroughList(std::move(source.icon));
}

UniqueIcon CLoadIcon::GetIcon(const std::string& file, int index, int shownSize) {
    SizedIcon source = SourceIcon(file, index, std::max(m_size, shownSize));
    // The loader's list would shrink a larger image to the loader's size,
    // for the caller to stretch it again: it goes as it is.
    if (shownSize > m_size && source.size > m_size) return std::move(source.icon);
    return ThroughList(std::move(source.icon));
}

UniqueIcon CLoadIcon::ThroughList(UniqueIcon source) {
    if (!m_imageList) return {};
    ImageList_Remove(m_imageList.Get(), 0);
    // Appending scales the icon to the list's size.
    if (source) ImageList_ReplaceIcon(m_imageList.Get(), -1, source.Get());
    if (ImageList_GetImageCount(m_imageList.Get()) == 0) return {};
    return UniqueIcon(ImageList_GetIcon(m_imageList.Get(), 0, ILD_NORMAL));
}
