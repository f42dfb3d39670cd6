#include "config/page_edits.h"

#include <algorithm>
#include <climits>

void AppendButtons(LauncherStore& store, int page, int count,
                   const std::vector<std::string>& paths) {
    // Slot numbers stay within int even on a page whose count was hand-edited.
    const size_t room = static_cast<size_t>(INT_MAX - std::max(count, 0));
    const int added = static_cast<int>(std::min(paths.size(), room));
    for (int f = 0; f < added; ++f) {
        ButtonEntry entry;
        entry.AppName = paths[static_cast<size_t>(f)];
        store.SaveButton(page, count + f + 1, entry);
    }
    store.SaveButtonCount(page, count + added);
}

void DeleteButtonAndMoveUp(LauncherStore& store, int page, PageSetup& setup, int index, int shown) {
    const int stored = std::max(store.ExistingSlotCount(page, setup.ButtonCount), shown);
    if (index < 0 || index >= stored) return;
    for (int slot = index + 2; slot <= stored; ++slot) {
        ButtonEntry entry;
        store.LoadButton(page, slot, entry);
        store.SaveButton(page, slot - 1, entry);
    }
    store.Profile().DeleteKey(store.ButtonKeyPath(page, stored));
    setup.ButtonCount = stored - 1;
    store.SavePageSetup(page, setup);
}

void ReplaceButton(LauncherStore& store, int page, int index, const ButtonEntry& entry) {
    if (index >= 0 && index < INT_MAX) store.SaveButton(page, index + 1, entry);
}

std::vector<ButtonEntry> LoadPageButtons(LauncherStore& store, int page, PageSetup& setup) {
    store.LoadPageSetup(page, setup);
    setup.ButtonCount = store.ExistingSlotCount(page, setup.ButtonCount);
    std::vector<ButtonEntry> entries(static_cast<size_t>(setup.ButtonCount));
    for (int i = 1; i <= setup.ButtonCount; ++i)
        store.LoadButton(page, i, entries[static_cast<size_t>(i - 1)]);
    return entries;
}

void StorePageButtons(LauncherStore& store, int page, PageSetup& setup,
                      const std::vector<ButtonEntry>& entries) {
    const size_t count = std::min(entries.size(), static_cast<size_t>(INT_MAX));
    setup.ButtonCount = static_cast<int>(count);
    store.SavePageSetup(page, setup);
    for (size_t i = 0; i < count; ++i) store.SaveButton(page, static_cast<int>(i + 1), entries[i]);
}
