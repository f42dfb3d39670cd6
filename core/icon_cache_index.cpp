#include "core/icon_cache_index.h"

std::size_t IconBytes(int size) {
    const std::size_t side = size > 0 ? static_cast<std::size_t>(size) : 0;
    return side * side * 4 + side * ((side + 31) / 32) * 4;
}

int IconCacheIndex::Find(const IconKey& key, const FileStamp& stamp) {
    auto found = m_entries.find(key);
    if (found == m_entries.end() || !(found->second.stamp == stamp)) return -1;
    m_used.splice(m_used.begin(), m_used, found->second.used);
    return found->second.slot;
}

int IconCacheIndex::Add(const IconKey& key, const FileStamp& stamp) {
    auto found = m_entries.find(key);
    if (found != m_entries.end()) {
        found->second.stamp = stamp;
        m_used.splice(m_used.begin(), m_used, found->second.used);
        return found->second.slot;
    }
    const std::size_t bytes = IconBytes(key.size);
    if (bytes > m_maxBytes || m_maxIcons == 0 || m_maxSizes == 0) return -1;
    while (m_entries.size() >= m_maxIcons) GiveUpOldest();
    // A new list, or a new slot that makes a list longer: room is made first.
    while (!m_lists.count(key.size) && m_lists.size() >= m_maxSizes) GiveUpOldest();
    auto noFreeSlot = [&] {
        auto list = m_lists.find(key.size);
        return list == m_lists.end() || list->second.free.empty();
    };
    while (!m_entries.empty() && noFreeSlot() && m_bytes + bytes > m_maxBytes) GiveUpOldest();
    const int slot = TakeSlot(key.size);
    m_used.push_front(key);
    m_entries.emplace(key, Entry{stamp, slot, m_used.begin()});
    return slot;
}

void IconCacheIndex::GiveUpOldest() {
    const IconKey& oldest = m_used.back();
    auto found = m_entries.find(oldest);
    SizeList& list = m_lists[oldest.size];
    list.free.push_back(found->second.slot);
    if (--list.live == 0) {
        // Its slots free alone would keep the memory of the list.
        m_bytes -= IconBytes(oldest.size) * static_cast<std::size_t>(list.slots);
        m_dropped.push_back(oldest.size);
        m_lists.erase(oldest.size);
    }
    m_entries.erase(found);
    m_used.pop_back();
}

int IconCacheIndex::TakeSlot(int size) {
    SizeList& list = m_lists[size];
    ++list.live;
    if (list.free.empty()) {
        m_bytes += IconBytes(size);
        return list.slots++;
    }
    const int slot = list.free.back();
    list.free.pop_back();
    return slot;
}

std::vector<int> IconCacheIndex::TakeDroppedSizes() {
    std::vector<int> dropped;
    dropped.swap(m_dropped);
    return dropped;
}

void IconCacheIndex::Clear() {
    m_entries.clear();
    m_used.clear();
    m_lists.clear();
    m_dropped.clear();
    m_bytes = 0;
}

int IconCacheIndex::Slots(int size) const {
    auto found = m_lists.find(size);
    return found == m_lists.end() ? 0 : found->second.slots;
}
