#include "tests/wine/wine_test_util.h"

#include <vector>

namespace wt {

namespace {
std::string Path(const std::string& section) {
    return section.empty() ? kRoot : std::string(kRoot) + "\\" + section;
}
}  // namespace

void ClearStore() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quenlow");
}

bool KeyExists(const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<DWORD> RawDword(const std::string& section, const char* name) {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, Path(section).c_str(), name, RRF_RT_REG_DWORD, nullptr,
                     &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

std::optional<std::string> RawString(const std::string& section, const char* name) {
    DWORD size = 0;
    const std::string path = Path(section);
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<char> text(size + 1);
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text.data(),
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text.data());
}

void RawWrite(const std::string& section, const char* name, DWORD type, const void* data,
              DWORD size) {
    RegSetKeyValueA(HKEY_CURRENT_USER, Path(section).c_str(), name, type, data, size);
}

void RawWriteDword(const std::string& section, const char* name, DWORD value) {
    RawWrite(section, name, REG_DWORD, &value, sizeof value);
}

void RawWriteString(const std::string& section, const char* name, const std::string& text) {
    RawWrite(section, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

int ValueCount(const std::string& section) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return static_cast<int>(count);
}

bool RunUnix(const std::string& command) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = "/bin/sh -c \"" + command + "\"";
    if (!CreateProcessA("Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

bool HotKeyTaken(unsigned modifiers, unsigned key) {
    HWND other =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool free = RegisterHotKey(other, 7, modifiers, key) != FALSE;
    if (free) UnregisterHotKey(other, 7);
    DestroyWindow(other);
    return !free;
}

bool SendKeysToBar(const std::string& keys, const std::string& marker) {
    // A busy machine may map the bar's window late: wait for it, up to 30 s.
    return RunUnix(
        "for i in $(seq 150); do w=$(xdotool search --onlyvisible --name '^Tarvix$' | head -1);"
        " [ ${#w} -gt 0 ] && break; sleep 0.2; done;"
        " xdotool key --window $w " +
        keys + " 2>/dev/null" + (marker.empty() ? "" : "; touch " + marker));
}

}  // namespace wt
