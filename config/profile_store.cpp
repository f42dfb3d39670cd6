#include "config/profile_store.h"

ProfileStore::ProfileStore(std::unique_ptr<RegistryAccess> registry)
    : m_registry(std::move(registry)) {}

void ProfileStore::SetRegistryKey(std::string_view company, std::string_view appName) {
    m_company = std::string(company);
    m_appName = std::string(appName);
}

std::string ProfileStore::KeyPath(std::string_view section) const {
    std::string path = "Software\\" + m_company + "\\" + m_appName;
    if (!section.empty()) path.append("\\").append(section);
    return path;
}

int ProfileStore::GetInt(std::string_view section, std::string_view name, int defaultValue) {
    auto value = m_registry->ReadDword(KeyPath(section), name);
    return value ? static_cast<int>(*value) : defaultValue;
}

std::string ProfileStore::GetString(std::string_view section, std::string_view name,
                                    std::string_view defaultValue) {
    auto value = m_registry->ReadString(KeyPath(section), name);
    return value ? *value : std::string(defaultValue);
}

std::vector<std::string> ProfileStore::GetStrings(std::string_view section,
                                                  std::initializer_list<std::string_view> names) {
    std::vector<std::string> texts;
    for (auto& value : m_registry->ReadStrings(KeyPath(section), names))
        texts.push_back(value ? std::move(*value) : std::string());
    return texts;
}

void ProfileStore::WriteInt(std::string_view section, std::string_view name, int value) {
    m_registry->WriteDword(KeyPath(section), name, static_cast<std::uint32_t>(value));
}

void ProfileStore::WriteString(std::string_view section, std::string_view name,
                               std::string_view value) {
    m_registry->WriteString(KeyPath(section), name, value);
}

bool ProfileStore::DeleteKey(std::string_view path) {
    return m_registry->DeleteTree(path);
}
