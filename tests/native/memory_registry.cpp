#include "tests/native/memory_registry.h"

#include "core/sjis.h"

namespace {
std::string Fold(std::string_view text) {
    std::string folded(text);
    for (std::size_t pos = 0; pos < folded.size();) {
        std::size_t len = sjis::CharLength(folded, pos);
        char& c = folded[pos];
        if (len == 1 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        pos += len;
    }
    return folded;
}
}  // namespace

MemoryRegistry::Values& MemoryRegistry::Open(std::string_view key) {
    std::string folded = Fold(key);
    for (std::size_t pos = folded.find('\\'); pos != std::string::npos;
         pos = folded.find('\\', pos + 1)) {
        m_keys[folded.substr(0, pos)];
    }
    return m_keys[folded];
}

void MemoryRegistry::Record(std::string_view key, std::string_view name) {
    m_writes.push_back(std::string(key) + ":" + std::string(name));
}

// Reads, as the real registry's, create no key.
std::optional<std::uint32_t> MemoryRegistry::ReadDword(std::string_view key,
                                                       std::string_view name) {
    const Value* value = Find(key, name);
    if (!value || !value->isDword) return std::nullopt;
    return value->dword;
}

std::optional<std::string> MemoryRegistry::ReadString(std::string_view key, std::string_view name) {
    const Value* value = Find(key, name);
    if (!value || value->isDword) return std::nullopt;
    return value->text;
}

void MemoryRegistry::WriteDword(std::string_view key, std::string_view name, std::uint32_t value) {
    Open(key)[Fold(name)] = Value{true, value, {}};
    Record(key, name);
}

void MemoryRegistry::WriteString(std::string_view key, std::string_view name,
                                 std::string_view value) {
    Open(key)[Fold(name)] = Value{false, 0, std::string(value)};
    Record(key, name);
}

bool MemoryRegistry::DeleteTree(std::string_view key) {
    const std::string folded = Fold(key);
    if (!m_keys.count(folded)) return false;
    const std::string below = folded + "\\";
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        if (it->first == folded || it->first.compare(0, below.size(), below) == 0)
            it = m_keys.erase(it);
        else
            ++it;
    }
    m_deletions.emplace_back(key);
    return true;
}

bool MemoryRegistry::HasKey(std::string_view key) const {
    return m_keys.count(Fold(key)) != 0;
}

const MemoryRegistry::Value* MemoryRegistry::Find(std::string_view key,
                                                  std::string_view name) const {
    auto k = m_keys.find(Fold(key));
    if (k == m_keys.end()) return nullptr;
    auto v = k->second.find(Fold(name));
    return v == k->second.end() ? nullptr : &v->second;
}

std::vector<std::string> MemoryRegistry::SubKeyNames(std::string_view key) {
    std::vector<std::string> names;
    const std::string below = Fold(key) + "\\";
    for (const auto& [path, values] : m_keys) {
        if (path.compare(0, below.size(), below) != 0) continue;
        const std::string rest = path.substr(below.size());
        if (!rest.empty() && rest.find('\\') == std::string::npos) names.push_back(rest);
    }
    return names;
}
