#pragma once
// The bookkeeping of the icons remembered between page loads: which icon
// sits in which slot of the list of its size, which were used least
// recently, and the bounds. The icons themselves live in the lists. No
// platform calls.

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <tuple>
#include <vector>

// What a file looked like when its icon was read: a changed file (another
// write time or size) is read again. A file that cannot be looked at has
// the empty stamp.
struct FileStamp {
    std::uint64_t writeTime = 0;
    std::uint64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

// One icon as a button shows it: icon `index` of `file` at `size` pixels,
// from the file's small variant when `small`.
struct IconKey {
    std::string file;
    int index = 0;
    int size = 0;
    bool small = false;
    auto operator<=>(const IconKey&) const = default;
};

// The bytes an icon of `size` pixels takes in its list: 32-bit colour and
// a 1-bit mask with rows of whole 32-bit words.
std::size_t IconBytes(int size);

class IconCacheIndex {
public:
    static constexpr std::size_t kMaxIcons = 2000;
    static constexpr std::size_t kMaxBytes = 16u << 20;
    // Lists, one per size: pages of many sizes keep the recent ones.
    static constexpr std::size_t kMaxSizes = 8;

    explicit IconCacheIndex(std::size_t maxIcons = kMaxIcons, std::size_t maxBytes = kMaxBytes,
                            std::size_t maxSizes = kMaxSizes)
        : m_maxIcons(maxIcons), m_maxBytes(maxBytes), m_maxSizes(maxSizes) {}

    // The slot of `key` in the list of its size when it was read from a
    // file stamped `stamp`, and it counts as used now; -1 otherwise.
    int Find(const IconKey& key, const FileStamp& stamp);
    // The slot the icon of `key` read now goes to: its old slot when the
    // file changed, else a slot of an icon given up or a new one at the end
    // of the list. The least recently used icons are given up to keep
    // within the bounds; -1 when one icon alone is beyond them.
    int Add(const IconKey& key, const FileStamp& stamp);
    // Sizes whose icons were all given up since the last call: their lists
    // go, and start again from slot 0.
    std::vector<int> TakeDroppedSizes();
    // Forgets every icon.
    void Clear();

    std::size_t Count() const { return m_entries.size(); }
    // What the lists hold, slots in use or free.
    std::size_t Bytes() const { return m_bytes; }
    int Slots(int size) const;

private:
    struct Entry {
        FileStamp stamp;
        int slot = 0;
        std::list<IconKey>::iterator used;
    };
    void GiveUpOldest();
    int TakeSlot(int size);

    struct SizeList {
        int slots = 0;  // the list's length
        int live = 0;   // slots in use
        std::vector<int> free;
    };

    std::size_t m_maxIcons, m_maxBytes, m_maxSizes;
    std::size_t m_bytes = 0;
    std::map<IconKey, Entry> m_entries;
    std::list<IconKey> m_used;        // most recent first
    std::map<int, SizeList> m_lists;  // by size
    std::vector<int> m_dropped;
};
