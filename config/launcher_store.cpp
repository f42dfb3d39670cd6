#include "config/launcher_store.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "config/get_comma.h"

namespace {
constexpr int kDefaultButtonSize = 34;
constexpr const char* kHotKeySection = "HotKey";

std::string Format(const char* format, int a, int b) {
    char text[32];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}
}  // namespace

std::string PageSection(int page) {
    return "Page" + std::to_string(page) + "\\Button";
}

std::string ButtonSection(int page, int index) {
    return "Page" + std::to_string(page) + "\\Btn" + std::to_string(index);
}

int ButtonSlotOfKey(std::string_view name) {
    constexpr std::string_view kPrefix = "btn";
    if (name.size() <= kPrefix.size() || name.size() > kPrefix.size() + 10) return 0;
    for (size_t i = 0; i < kPrefix.size(); ++i) {
        if ((name[i] | 0x20) != kPrefix[i]) return 0;
    }
    const std::string_view digits = name.substr(kPrefix.size());
    // "Btn01" is not the key of slot 1: slots are written without zeros.
    if (digits[0] == '0') return 0;
    long long slot = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        slot = slot * 10 + (c - '0');
    }
    return slot <= INT_MAX ? static_cast<int>(slot) : 0;
}

LauncherStore::LauncherStore(std::unique_ptr<RegistryAccess> registry)
    : m_profile(std::move(registry)) {}

void LauncherStore::LoadButton(int page, int index, ButtonEntry& entry) {
    // One read of the button's key for all six values.
    std::vector<std::string> v = m_profile.GetStrings(
        ButtonSection(page, index), {"Title", "AppName", "Dir", "Parm", "Icon", "Data"});
    entry.Title = std::move(v[0]);
    entry.AppName = std::move(v[1]);
    entry.Dir = std::move(v[2]);
    entry.Parm = std::move(v[3]);
    entry.IconFile = std::move(v[4]);
    CGetComma data(v[5]);
    entry.ShowMode = data.GetValue(0);
    entry.IconIndex = data.GetValue(1);
}

void LauncherStore::SaveButton(int page, int index, const ButtonEntry& entry) {
    const std::string section = ButtonSection(page, index);
    m_profile.WriteString(section, "Title", entry.Title);
    m_profile.WriteString(section, "AppName", entry.AppName);
    m_profile.WriteString(section, "Dir", entry.Dir);
    m_profile.WriteString(section, "Parm", entry.Parm);
    m_profile.WriteString(section, "Icon", entry.IconFile);
    m_profile.WriteString(section, "Data", Format("%d,%d", entry.ShowMode, entry.IconIndex));
}

void LauncherStore::LoadPageSetup(int page, PageSetup& setup) {
    const std::string section = PageSection(page);
    setup.ButtonCount = m_profile.GetInt(section, "Num", 0);
    if (setup.ButtonCount < 0) setup.ButtonCount = 0;
    CGetComma data(m_profile.GetString(section, "Data", "1,34"));
    setup.LineCount = data.GetValue(0);
    if (setup.LineCount < 1) setup.LineCount = 1;
    setup.ButtonSize = data.GetValue(1);
    if (setup.ButtonSize < kMinButtonSize || setup.ButtonSize > kMaxButtonSize)
        setup.ButtonSize = kDefaultButtonSize;
    setup.IconFlags = data.GetValue(2);
    if (setup.IconFlags < 0) setup.IconFlags = 0;
}

void LauncherStore::SavePageSetup(int page, const PageSetup& setup) {
    const std::string section = PageSection(page);
    m_profile.WriteInt(section, "Num", setup.ButtonCount);
    char data[48];
    std::snprintf(data, sizeof data, "%d,%d,%d", setup.LineCount, setup.ButtonSize,
                  setup.IconFlags);
    m_profile.WriteString(section, "Data", data);
}

void LauncherStore::SaveButtonCount(int page, int count) {
    m_profile.WriteInt(PageSection(page), "Num", count);
}

int LauncherStore::ExistingSlotCount(int page, int count) {
    int highest = 0;
    for (const std::string& name : m_profile.Registry().SubKeyNames(PageKeyPath(page)))
        highest = std::max(highest, ButtonSlotOfKey(name));
    return std::clamp(count, 0, highest);
}

std::string LauncherStore::LoadPageName(int page) {
    return m_profile.GetString(PageSection(page), "PageName", "");
}

void LauncherStore::SavePageName(int page, const std::string& name) {
    m_profile.WriteString(PageSection(page), "PageName", name);
}

std::string LauncherStore::PageKeyPath(int page) const {
    return m_profile.KeyPath("Page" + std::to_string(page));
}

std::string LauncherStore::ButtonKeyPath(int page, int index) const {
    return PageKeyPath(page) + "\\Btn" + std::to_string(index);
}

void LauncherStore::DeletePageKey(int page) {
    m_profile.DeleteKey(PageKeyPath(page));
}

void LauncherStore::LoadHotKey(HotKeySetting& hotKey) {
    hotKey.SysKey = m_profile.GetInt(kHotKeySection, "SysKey", kHotKeyControl | kHotKeyShift);
    hotKey.Key = m_profile.GetString(kHotKeySection, "Key", "G");
    hotKey.Do = m_profile.GetInt(kHotKeySection, "Do", kHotKeyPageMenu);
}

void LauncherStore::SaveHotKey(const HotKeySetting& hotKey) {
    m_profile.WriteInt(kHotKeySection, "SysKey", hotKey.SysKey);
    m_profile.WriteString(kHotKeySection, "Key", hotKey.Key);
    m_profile.WriteInt(kHotKeySection, "Do", hotKey.Do);
}
