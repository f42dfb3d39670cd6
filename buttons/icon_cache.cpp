#include "buttons/icon_cache.h"

#include <algorithm>

#include "res/resource.h"
#include "win/icon_images.h"

namespace {
// An icon through a one-image list of `size` pixels, as a button's own
// list would give it.
UniqueIcon ThroughList(HICON icon, int size) {
    UniqueImageList list(ImageList_Create(size, size, kIconListFlags, 1, 0));
    if (!list || ImageList_ReplaceIcon(list.Get(), -1, icon) < 0) return UniqueIcon();
    return UniqueIcon(ImageList_GetIcon(list.Get(), 0, ILD_NORMAL));
}

// The write time and size of `file`; the empty stamp when it cannot be
// looked at.
FileStamp StampOfFile(const std::string& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (file.empty() || !GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data))
        return {};
    auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
    return {join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
            join(data.nFileSizeHigh, data.nFileSizeLow)};
}
}  // namespace

void CIconCache::SetDpi(int dpi) {
    if (dpi == m_dpi) return;
    m_dpi = dpi;
    m_index.Clear();
    m_lists.clear();
    for (auto& loader : m_loaders) loader.reset();
}

HIMAGELIST CIconCache::List(int size) const {
    auto found = m_lists.find(size);
    return found == m_lists.end() ? nullptr : found->second.Get();
}

UniqueIcon CIconCache::Get(const std::string& file, int index, bool small, int size) {
    const IconKey key{file, index, size, small};
    const FileStamp stamp = StampOfFile(file);
    int slot = m_index.Find(key, stamp);
    if (slot < 0) {
        UniqueIcon read = Read(key);
        slot = Keep(key, stamp, read.Get());
        if (slot < 0) return ThroughList(read.Get(), size);
    }
    return UniqueIcon(ImageList_GetIcon(List(size), slot, ILD_NORMAL));
}

UniqueIcon CIconCache::Read(const IconKey& key) {
    if (UniqueIcon icon = Loader(key.small).GetIcon(key.file, key.index, key.size)) return icon;
    // The resource's image for the icon size, never less than its large
    // one; unshared, as a shared icon keeps the first size asked for.
    const int wanted = std::max(ScaleForDpi(32, m_dpi), key.size);
    return ResourceIconImage(GetModuleHandleA(nullptr), IDI_DEFAULT_BUTTON, wanted);
}

int CIconCache::Keep(const IconKey& key, const FileStamp& stamp, HICON icon) {
    const int slot = m_index.Add(key, stamp);
    for (int size : m_index.TakeDroppedSizes()) m_lists.erase(size);
    if (slot < 0) return -1;
    UniqueImageList& list = m_lists[key.size];
    if (!list) list.Reset(ImageList_Create(key.size, key.size, kIconListFlags, 0, 16));
    // A new slot is the list's next image.
    const int at = slot < ImageList_GetImageCount(list.Get()) ? slot : -1;
    if (list && ImageList_ReplaceIcon(list.Get(), at, icon) == slot) return slot;
    // The list and its index no longer agree: both start again.
    m_index.Clear();
    m_lists.clear();
    return -1;
}

CLoadIcon& CIconCache::Loader(bool small) {
    std::optional<CLoadIcon>& loader = m_loaders[small ? 1 : 0];
    if (!loader) {
        loader.emplace();
        loader->SetSmall(small, m_dpi);
    }
    return *loader;
}
