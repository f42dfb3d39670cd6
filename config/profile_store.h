#pragma once
// The per-user profile: values addressed by section and name below
// HKEY_CURRENT_USER\Software\<company>\<application>. Every read supplies a
// default, so a missing value never fails.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/registry_access.h"

// The company key the application's own key sits under.
constexpr const char kRegistryCompany[] = "Quenlow";

class ProfileStore {
public:
    explicit ProfileStore(std::unique_ptr<RegistryAccess> registry);

    // Fixes the root: Software\<company>\<appName>.
    void SetRegistryKey(std::string_view company, std::string_view appName);
    const std::string& AppName() const { return m_appName; }

    // Integers are REG_DWORD values taken as signed 32-bit numbers.
    int GetInt(std::string_view section, std::string_view name, int defaultValue);
    std::string GetString(std::string_view section, std::string_view name,
                          std::string_view defaultValue);
    // Several texts of one section, in the order of `names`, each missing
    // one as "".
    std::vector<std::string> GetStrings(std::string_view section,
                                        std::initializer_list<std::string_view> names);
    void WriteInt(std::string_view section, std::string_view name, int value);
    void WriteString(std::string_view section, std::string_view name, std::string_view value);

    // The key path below HKEY_CURRENT_USER of a section ("" is the root).
    std::string KeyPath(std::string_view section) const;

    // Deletes a key below HKEY_CURRENT_USER with everything below it.
    bool DeleteKey(std::string_view path);

    RegistryAccess& Registry() { return *m_registry; }

private:
    std::unique_ptr<RegistryAccess> m_registry;
    std::string m_company;
    std::string m_appName;
};
