#pragma once
// The pages the benchmark loads: buttons whose targets are real programs,
// libraries, applets, a folder and a document with icons, mixed and partly
// repeated as on a page someone uses, written through the program's own
// store. Stores are named by their application key below the program's
// company key, as CLauncherApp names them.

#include <memory>
#include <string>

#include "config/launcher_store.h"
#include "config/records.h"

namespace bench {

// The store of application key `appKey` on the real registry.
std::unique_ptr<LauncherStore> OpenStore(const std::string& appKey);
// Its key path below HKEY_CURRENT_USER.
std::string StoreRoot(const std::string& appKey);

// Button k of any benchmark page (k from 0).
ButtonEntry PageEntry(int k);

// Writes page `page` with `count` buttons of 34 pixels; lines are chosen
// so the bar stays about 40 buttons wide.
void SeedPage(const std::string& appKey, int page, int count, int iconFlags = 0);
// The page shown at start and the number of pages.
void SeedPageState(const std::string& appKey, int curPage, int pageCount);
void DeleteStore(const std::string& appKey);

// Whole key trees below HKEY_CURRENT_USER, by path.
void DeleteTree(const std::string& root);
// Copies the key `from` with everything below it to `to`; true when done.
bool CopyTree(const std::string& from, const std::string& to);
bool KeyExists(const std::string& root);

}  // namespace bench
