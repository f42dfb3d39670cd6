#pragma once
// Edits of one page's buttons in the store. The bar makes them and then
// loads the page again; nothing here touches a window. Indexes count from
// 0, as the bar's buttons do; the store numbers slots from 1.

#include <string>
#include <vector>

#include "config/launcher_store.h"

// A button for each path after the page's `count` buttons, as many as slot
// numbers within int allow; the new count is stored.
void AppendButtons(LauncherStore& store, int page, int count,
                   const std::vector<std::string>& paths);

// Deletes button `index` of a page that shows `shown` of its `setup`'s
// buttons: each later slot moves up one, as far as the slots that exist or
// the buttons shown reach (a hand-edited count beyond both is not walked),
// the last slot's key goes, and the count, one less, is stored in `setup`.
void DeleteButtonAndMoveUp(LauncherStore& store, int page, PageSetup& setup, int index, int shown);

// Button `index` of a page holds `entry` from now on; a negative index is
// no button.
void ReplaceButton(LauncherStore& store, int page, int index, const ButtonEntry& entry);

// The page's setup and its buttons. Reading a slot creates its key: only
// the slots that exist are read, and the setup's count is bounded by them.
std::vector<ButtonEntry> LoadPageButtons(LauncherStore& store, int page, PageSetup& setup);

// The page holds `entries` in their order, numbered from slot 1: the count
// is stored in `setup` and written first. Slots beyond the new count stay
// as they were; the count no longer reaches them.
void StorePageButtons(LauncherStore& store, int page, PageSetup& setup,
                      const std::vector<ButtonEntry>& entries);
