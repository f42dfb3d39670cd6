#pragma once
// The store operations on pages, buttons and the hotkey. The application
// object derives from this class, so the rest of the program reaches them
// through it.

#include <memory>
#include <string>
#include <string_view>

#include "config/profile_store.h"
#include "config/records.h"

class LauncherStore {
public:
    explicit LauncherStore(std::unique_ptr<RegistryAccess> registry);
    virtual ~LauncherStore() = default;

    LauncherStore(const LauncherStore&) = delete;
    LauncherStore& operator=(const LauncherStore&) = delete;

    ProfileStore& Profile() { return m_profile; }

    void LoadButton(int page, int index, ButtonEntry& entry);
    void SaveButton(int page, int index, const ButtonEntry& entry);
    void LoadPageSetup(int page, PageSetup& setup);
    void SavePageSetup(int page, const PageSetup& setup);
    void DeletePageKey(int page);
    void LoadHotKey(HotKeySetting& hotKey);
    void SaveHotKey(const HotKeySetting& hotKey);

    // "PageName" beside the page setup; empty when never named.
    std::string LoadPageName(int page);
    void SavePageName(int page, const std::string& name);
    void SaveButtonCount(int page, int count);
    // `count` slots of the page, bounded by its highest stored slot: a
    // hand-edited "Num" reaches no further than the button keys that exist.
    int ExistingSlotCount(int page, int count);

    // Key paths below HKEY_CURRENT_USER used for deletion.
    std::string PageKeyPath(int page) const;
    std::string ButtonKeyPath(int page, int index) const;

private:
    ProfileStore m_profile;
};

// Section names of one page and one button slot.
std::string PageSection(int page);
std::string ButtonSection(int page, int index);

// The slot number of a button key's name ("Btn%d", as ButtonSection writes
// it; letter case aside), or 0 for any other name.
int ButtonSlotOfKey(std::string_view name);
