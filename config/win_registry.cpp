#include "config/win_registry.h"

#include <vector>

#include "win/handles.h"
#include "config/rgi_key.h"

namespace {

// Opens a key below HKEY_CURRENT_USER for reading; a missing key stays
// missing.
UniqueKey OpenKey(std::string_view path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, std::string(path).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return {};
    return UniqueKey(key);
}

// Opens (and creates, with any missing parent) a key below HKEY_CURRENT_USER.
UniqueKey CreateKey(std::string_view path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, std::string(path).c_str(), 0, nullptr, 0,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return {};
    return UniqueKey(key);
}

// A REG_SZ's bytes up to the first NUL; the stored data need not end with one.
std::string TextOf(const char* data, DWORD size) {
    std::size_t length = 0;
    while (length < size && data[length] != '\0') ++length;
    return std::string(data, length);
}

// A REG_SZ value of an open key. Most texts fit a small buffer and take one
// query; a longer one is read again at its size.
std::optional<std::string> ReadText(HKEY key, const std::string& name) {
    char small[256];
    DWORD type = 0, size = sizeof small;
    LONG rc =
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(small), &size);
    if (rc == ERROR_SUCCESS)
        return type == REG_SZ ? std::optional(TextOf(small, size)) : std::nullopt;
    // The value may change between the size query and the read; try again then.
    for (int attempt = 0; rc == ERROR_MORE_DATA && attempt < 4; ++attempt) {
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            return std::nullopt;
        std::vector<char> data(size + 1, '\0');
        DWORD got = size;
        rc = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &got);
        if (rc == ERROR_SUCCESS && type == REG_SZ) return TextOf(data.data(), got);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> WinRegistry::ReadDword(std::string_view key, std::string_view name) {
    UniqueKey k = OpenKey(key);
    if (!k) return std::nullopt;
    DWORD type = 0, value = 0, size = sizeof value;
    // A value of another type may still fit the buffer (a short REG_SZ does),
    // so both the type and the size must match.
    LONG rc = RegQueryValueExA(k.Get(), std::string(name).c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(&value), &size);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return std::nullopt;
    return value;
}

std::optional<std::string> WinRegistry::ReadString(std::string_view key, std::string_view name) {
    UniqueKey k = OpenKey(key);
    if (!k) return std::nullopt;
    return ReadText(k.Get(), std::string(name));
}

std::vector<std::optional<std::string>> WinRegistry::ReadStrings(
    std::string_view key, std::initializer_list<std::string_view> names) {
    std::vector<std::optional<std::string>> values(names.size());
    UniqueKey k = OpenKey(key);
    if (!k) return values;
    size_t i = 0;
    for (std::string_view name : names) values[i++] = ReadText(k.Get(), std::string(name));
    return values;
}

void WinRegistry::WriteDword(std::string_view key, std::string_view name, std::uint32_t value) {
    UniqueKey k = CreateKey(key);
    if (!k) return;
    DWORD data = value;
    RegSetValueExA(k.Get(), std::string(name).c_str(), 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&data), sizeof data);
}

void WinRegistry::WriteString(std::string_view key, std::string_view name, std::string_view value) {
    UniqueKey k = CreateKey(key);
    if (!k) return;
    const std::string text(value);
    RegSetValueExA(k.Get(), std::string(name).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

bool WinRegistry::DeleteTree(std::string_view key) {
    return CRgiKey().DeleteKey(HKEY_CURRENT_USER, std::string(key).c_str());
}

std::vector<std::string> WinRegistry::SubKeyNames(std::string_view key) {
    std::vector<std::string> names;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, std::string(key).c_str(), 0, KEY_ENUMERATE_SUB_KEYS,
                      &opened) != ERROR_SUCCESS)
        return names;
    UniqueKey k(opened);
    // Key names are at most 255 characters.
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        const LONG rc =
            RegEnumKeyExA(k.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}
