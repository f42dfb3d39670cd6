#pragma once
// An in-memory registry for the store's native tests. Key and value names
// compare without regard to ASCII case, as the real registry does.

#include <map>
#include <string>
#include <vector>

#include "config/registry_access.h"

class MemoryRegistry : public RegistryAccess {
public:
    struct Value {
        bool isDword = false;
        std::uint32_t dword = 0;
        std::string text;
    };

    std::optional<std::uint32_t> ReadDword(std::string_view key, std::string_view name) override;
    std::optional<std::string> ReadString(std::string_view key, std::string_view name) override;
    void WriteDword(std::string_view key, std::string_view name, std::uint32_t value) override;
    void WriteString(std::string_view key, std::string_view name, std::string_view value) override;
    bool DeleteTree(std::string_view key) override;
    std::vector<std::string> SubKeyNames(std::string_view key) override;

    bool HasKey(std::string_view key) const;
    const Value* Find(std::string_view key, std::string_view name) const;
    // "key:name" of every write, in order.
    const std::vector<std::string>& Writes() const { return m_writes; }
    void ClearWrites() { m_writes.clear(); }
    // Every deleted key path, in order.
    const std::vector<std::string>& Deletions() const { return m_deletions; }

private:
    using Values = std::map<std::string, Value>;
    Values& Open(std::string_view key);
    void Record(std::string_view key, std::string_view name);

    std::map<std::string, Values> m_keys;  // by folded path
    std::vector<std::string> m_writes;
    std::vector<std::string> m_deletions;
};
