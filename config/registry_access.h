#pragma once
// The narrow view of the registry that the store needs. Key paths are
// relative to HKEY_CURRENT_USER and use '\' between key names; key and value
// names compare without regard to case.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;

    // Reads create nothing: a missing key or value, or a value stored with
    // another type, gives nullopt.
    virtual std::optional<std::uint32_t> ReadDword(std::string_view key, std::string_view name) = 0;
    virtual std::optional<std::string> ReadString(std::string_view key, std::string_view name) = 0;
    // Several texts of one key, in the order of `names`; a registry that
    // can keep the key open across them does so.
    virtual std::vector<std::optional<std::string>> ReadStrings(
        std::string_view key, std::initializer_list<std::string_view> names) {
        std::vector<std::optional<std::string>> values;
        for (std::string_view name : names) values.push_back(ReadString(key, name));
        return values;
    }

    // Writes create the key as needed; failures are not reported.
    virtual void WriteDword(std::string_view key, std::string_view name, std::uint32_t value) = 0;
    virtual void WriteString(std::string_view key, std::string_view name,
                             std::string_view value) = 0;

    // Deletes the key with every key below it; true only when it was deleted.
    virtual bool DeleteTree(std::string_view key) = 0;

    // The names of the keys directly below `key`, in no particular order;
    // none when it does not exist. Unlike a read, this creates nothing.
    virtual std::vector<std::string> SubKeyNames(std::string_view key) = 0;
};
