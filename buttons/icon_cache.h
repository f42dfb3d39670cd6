#pragma once
// The icons the bar's buttons show, remembered between page loads. Each
// finished icon (read through the loader, then put into a list of the
// button's size) stays in one image list per size and is found again by
// its source, number, size and variant while the file keeps its write time
// and size. Bounded as IconCacheIndex is; dropped when the scale changes.

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "buttons/load_icon.h"
#include "core/dpi_scale.h"
#include "core/icon_cache_index.h"
#include "win/handles.h"

class CIconCache {
public:
    // Icons at 16 and 32 pixels scaled to `dpi`.
    explicit CIconCache(int dpi = kBaseDpi) : m_dpi(dpi) {}
    CIconCache(const CIconCache&) = delete;
    CIconCache& operator=(const CIconCache&) = delete;

    // Another scale: every icon of the old one goes.
    void SetDpi(int dpi);
    // A new icon, owned by the caller, as a button of `size` pixels shows
    // icon `index` of `file`, from the file's small variant when `small`
    // (see CLoadIcon::GetIcon); the program's own icon when neither the
    // file nor the shell gives one.
    UniqueIcon Get(const std::string& file, int index, bool small, int size);
    // The list of the icons of `size` pixels; nullptr while it holds none.
    HIMAGELIST List(int size) const;

private:
    // The icon as the loader of 16 or 32 pixels reads it, or the program's own.
    UniqueIcon Read(const IconKey& key);
    // Puts `icon` into the slot the index gives `key`; the slot, or -1
    // when the icon is not kept.
    int Keep(const IconKey& key, const FileStamp& stamp, HICON icon);
    CLoadIcon& Loader(bool small);

    int m_dpi;
    IconCacheIndex m_index;
    std::map<int, UniqueImageList> m_lists;  // by size
    std::optional<CLoadIcon> m_loaders[2];   // 32 and 16 pixels
};
