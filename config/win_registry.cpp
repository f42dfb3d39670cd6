#include "config/win_registry.h"

#include <vector>

#include "win/handles.h"
#include "config/rgi_key.h"

namespace {

// Opens (and creates, with any missing parent) a key below HKEY_CURRENT_USER.
UniqueKey CreateKey(std::string_view path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, std::string(path).c_str(), 0, nullptr, 0,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return {};
    return UniqueKey(key);
}

// A REG_SZ's bytes up to the first NUL; the stored data need not end with one.
std::string TextOf(const std::vector<char>& data) {
    std::size_t length = 0;
    while (length < data.size() && data[length] != '\0') ++length;
    return std::string(data.data(), length);
}

}  // namespace

std::optional<std::uint32_t> WinRegistry::ReadDword(std::string_view key, std::string_view name) {
    UniqueKey k = CreateKey(key);
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
    UniqueKey k = CreateKey(key);
    if (!k) return std::nullopt;
    const std::string valueName(name);
    // The value may change between the size query and the read; try again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(k.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ)
            return std::nullopt;
        std::vector<char> data(size + 1, '\0');
        DWORD got = size;
        LONG rc = RegQueryValueExA(k.Get(), valueName.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &got);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
        data.resize(got);
        return TextOf(data);
    }
    return std::nullopt;
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
