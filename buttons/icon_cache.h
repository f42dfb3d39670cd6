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
    int Dpi() const { return m_dpi; }
    // A new icon, owned by the caller, as a button of `key.size` pixels
    // shows icon `key.index` of `key.file`, from the file's small variant
    // when `key.small` (see CLoadIcon::GetIcon); the program's own icon
    // when neither the file nor the shell gives one. Read here and now.
    UniqueIcon Get(const IconKey& key);

    // The same in steps, for icons read elsewhere. The stamp of the file
    // the kept icon was read from, if one is kept.
    std::optional<FileStamp> Kept(const IconKey& key) const;
    // The kept icon, when it was read from a file stamped `stamp`.
    UniqueIcon Find(const IconKey& key, const FileStamp& stamp);
    // Keeps `read` (as the loader read it; empty when the file gave none)
    // and gives the icon a button shows.
    UniqueIcon Keep(const IconKey& key, const FileStamp& stamp, UniqueIcon read);
    // The program's own icon at `size` pixels, as a button shows it.
    UniqueIcon Placeholder(int size) const;

    // The list of the icons of `size` pixels; nullptr while it holds none.
    HIMAGELIST List(int size) const;

private:
    // The program's own icon for a button of `size` pixels, before its list.
    UniqueIcon Fallback(int size) const;
    // Puts `icon` into the slot the index gives `key`; the slot, or -1
    // when the icon is not kept.
    int Store(const IconKey& key, const FileStamp& stamp, HICON icon);
    CLoadIcon& Loader(bool small);

    int m_dpi;
    IconCacheIndex m_index;
    std::map<int, UniqueImageList> m_lists;  // by size
    std::optional<CLoadIcon> m_loaders[2];   // 32 and 16 pixels
};

// The write time and size of `file`; the empty stamp when it cannot be
// looked at.
FileStamp StampOfFile(const std::string& file);
