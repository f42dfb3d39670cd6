#include "bench/bench_pages.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "win/handles.h"

namespace bench {
namespace {

struct Target {
    const char* file;
    int iconIndex;
};

// Wine's own files; on Windows the same names exist or fall back to the
// shell's icon for the name, as a stale button would.
constexpr Target kTargets[] = {
    {"C:\\windows\\notepad.exe", 0},
    {"C:\\windows\\regedit.exe", 0},
    {"C:\\windows\\system32\\shell32.dll", 3},
    {"C:\\windows\\system32\\winemine.exe", 0},
    {"C:\\windows\\system32\\cmd.exe", 0},
    {"C:\\windows\\system32\\taskmgr.exe", 0},
    {"C:\\windows\\system32\\joy.cpl", 0},
    {"C:\\windows\\system32\\shell32.dll", 15},
    {"C:\\windows\\explorer.exe", 0},
    {"C:\\windows\\system32\\winecfg.exe", 0},
    {"C:\\windows\\win.ini", 0},
    {"C:\\windows\\system32\\appwiz.cpl", 0},
    {"C:\\windows\\system32\\shell32.dll", 40},
    {"C:\\windows", 0},
    {"C:\\windows\\system32\\clock.exe", 0},
    {"C:\\windows\\system32\\user32.dll", 1},
};
constexpr int kTargetCount = static_cast<int>(sizeof kTargets / sizeof kTargets[0]);

UniqueKey CreateKey(const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return {};
    return UniqueKey(key);
}

void SetString(HKEY key, const char* name, const std::string& text) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

void SetDword(HKEY key, const char* name, DWORD value) {
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

}  // namespace

ButtonEntry PageEntry(int k) {
    const Target& t = kTargets[k % kTargetCount];
    ButtonEntry e;
    e.Title = "Button " + std::to_string(k + 1);
    e.AppName = t.file;
    e.IconIndex = t.iconIndex;
    // Every fifth button takes its icon from a library other than its target.
    if (k % 5 == 4) {
        e.IconFile = "C:\\windows\\system32\\shell32.dll";
        e.IconIndex = k % 30;
    }
    return e;
}

void SeedPage(const std::string& root, int page, int count, int iconFlags) {
    const std::string pageKey = root + "\\Page" + std::to_string(page);
    {
        UniqueKey key = CreateKey(pageKey + "\\Button");
        SetDword(key.Get(), "Num", static_cast<DWORD>(count));
        const int lines = std::max(1, (count + 39) / 40);
        SetString(key.Get(), "Data", std::to_string(lines) + ",34," + std::to_string(iconFlags));
    }
    for (int k = 0; k < count; ++k) {
        const ButtonEntry e = PageEntry(k);
        UniqueKey key = CreateKey(pageKey + "\\Btn" + std::to_string(k + 1));
        SetString(key.Get(), "Title", e.Title);
        SetString(key.Get(), "AppName", e.AppName);
        SetString(key.Get(), "Dir", e.Dir);
        SetString(key.Get(), "Parm", e.Parm);
        SetString(key.Get(), "Icon", e.IconFile);
        SetString(key.Get(), "Data",
                  std::to_string(e.ShowMode) + "," + std::to_string(e.IconIndex));
    }
}

void SeedSetting(const std::string& root, const char* name, unsigned value) {
    UniqueKey key = CreateKey(root + "\\Setting");
    SetDword(key.Get(), name, value);
}

void SeedSetting(const std::string& root, const char* name, const std::string& text) {
    UniqueKey key = CreateKey(root + "\\Setting");
    SetString(key.Get(), name, text);
}

void DeleteTree(const std::string& root) {
    RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
}

bool CopyTree(const std::string& from, const std::string& to) {
    HKEY source = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS)
        return false;
    UniqueKey owner(source);
    UniqueKey target = CreateKey(to);
    return target && RegCopyTreeA(source, nullptr, target.Get()) == ERROR_SUCCESS;
}

bool KeyExists(const std::string& root) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, root.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace bench
