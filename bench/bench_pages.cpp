#include "bench/bench_pages.h"

#include <windows.h>

#include <algorithm>

#include "config/bar_settings.h"
#include "config/win_registry.h"
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

}  // namespace

std::unique_ptr<LauncherStore> OpenStore(const std::string& appKey) {
    auto store = std::make_unique<LauncherStore>(std::make_unique<WinRegistry>());
    store->Profile().SetRegistryKey(kRegistryCompany, appKey);
    return store;
}

std::string StoreRoot(const std::string& appKey) {
    return OpenStore(appKey)->Profile().KeyPath("");
}

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

void SeedPage(const std::string& appKey, int page, int count, int iconFlags) {
    const std::unique_ptr<LauncherStore> store = OpenStore(appKey);
    PageSetup setup;
    setup.ButtonCount = count;
    setup.LineCount = std::max(1, (count + 39) / 40);
    setup.ButtonSize = 34;
    setup.IconFlags = iconFlags;
    store->SavePageSetup(page, setup);
    for (int k = 0; k < count; ++k) store->SaveButton(page, k + 1, PageEntry(k));
}

void SeedPageState(const std::string& appKey, int curPage, int pageCount) {
    SavePageState(OpenStore(appKey)->Profile(), curPage, pageCount);
}

void DeleteStore(const std::string& appKey) {
    const std::unique_ptr<LauncherStore> store = OpenStore(appKey);
    store->Profile().DeleteKey(store->Profile().KeyPath(""));
}

void DeleteTree(const std::string& root) {
    RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
}

bool CopyTree(const std::string& from, const std::string& to) {
    HKEY source = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS)
        return false;
    UniqueKey owner(source);
    HKEY target = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &target, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueKey targetOwner(target);
    return RegCopyTreeA(source, nullptr, target) == ERROR_SUCCESS;
}

bool KeyExists(const std::string& root) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, root.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace bench
