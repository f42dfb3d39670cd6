#pragma once
// The real registry below HKEY_CURRENT_USER.

#include "config/registry_access.h"

class WinRegistry : public RegistryAccess {
public:
    std::optional<std::uint32_t> ReadDword(std::string_view key, std::string_view name) override;
    std::optional<std::string> ReadString(std::string_view key, std::string_view name) override;
    std::vector<std::optional<std::string>> ReadStrings(
        std::string_view key, std::initializer_list<std::string_view> names) override;
    void WriteDword(std::string_view key, std::string_view name, std::uint32_t value) override;
    void WriteString(std::string_view key, std::string_view name, std::string_view value) override;
    bool DeleteTree(std::string_view key) override;
    std::vector<std::string> SubKeyNames(std::string_view key) override;
};
