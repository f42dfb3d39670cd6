// A page's edits on the in-memory store: what its slots hold afterwards.

#include "config/page_edits.h"

#include <climits>

#include "tests/native/memory_store.h"

namespace {

class PageEditsTest : public MemoryStoreTest {
protected:
    // Page 1 afresh: slots 1..n holding "1".."n", and its count.
    void Seed(int slots, int count) {
        store.DeletePageKey(1);
        ButtonEntry entry;
        for (int i = 1; i <= slots; ++i) {
            entry.AppName = std::to_string(i);
            store.SaveButton(1, i, entry);
        }
        store.SaveButtonCount(1, count);
    }
    // The count, then the slots' names up to the first missing slot.
    std::string Page() {
        PageSetup setup;
        store.LoadPageSetup(1, setup);
        std::string text = std::to_string(setup.ButtonCount) + ":";
        for (int i = 1; reg->HasKey(Key(ButtonSection(1, i))) && i < 5; ++i) {
            ButtonEntry entry;
            store.LoadButton(1, i, entry);
            text += entry.AppName + ",";
        }
        return text;
    }
};

TEST_F(PageEditsTest, AppendAfterTheCount) {
    const struct {
        int slots, count, paths;
        const char* after;
    } rows[] = {{0, 0, 2, "2:a,b,"},
                {3, 3, 1, "4:1,2,3,a,"},
                {3, 2, 1, "3:1,2,a,"},
                {2, 2, 0, "2:1,2,"},
                {0, INT_MAX - 1, 3, "2147483647:"}};
    for (const auto& r : rows) {
        Seed(r.slots, r.count);
        const std::vector<std::string> paths{"a", "b", "c"};
        AppendButtons(store, 1, r.count, {paths.begin(), paths.begin() + r.paths});
        EXPECT_EQ(Page(), r.after) << r.slots << " slots, count " << r.count;
    }
}

TEST_F(PageEditsTest, DeleteMovesTheLaterSlotsUp) {
    const struct {
        int slots, count, shown, index;
        const char* after;
    } rows[] = {
        {4, 4, 4, 0, "3:2,3,4,"},
        {4, 4, 4, 3, "3:1,2,3,"},
        {4, 4, 4, 1, "3:1,3,4,"},
        {5, 5, 3, 0, "4:2,3,4,5,"},  // slots beyond the shown buttons move too
        {3, 3, 3, 7, "3:1,2,3,"},    // no such button
        // A hand-edited count: the shown (empty) buttons move, and no more.
        {3, INT_MAX, 1000, 0, "999:2,3,,,"},
    };
    for (const auto& r : rows) {
        Seed(r.slots, r.count);
        PageSetup setup;
        store.LoadPageSetup(1, setup);
        DeleteButtonAndMoveUp(store, 1, setup, r.index, r.shown);
        EXPECT_EQ(Page(), r.after) << r.slots << " slots, delete " << r.index;
    }
}

TEST_F(PageEditsTest, ReplaceWritesTheSlotAfterTheIndex) {
    const struct {
        int index;
        const char* after;
    } rows[] = {{0, "3:x,2,3,"}, {2, "3:1,2,x,"}, {3, "3:1,2,3,x,"}, {-1, "3:1,2,3,"}};
    for (const auto& r : rows) {
        Seed(3, 3);
        ButtonEntry entry;
        entry.AppName = "x";
        ReplaceButton(store, 1, r.index, entry);
        EXPECT_EQ(Page(), r.after) << "index " << r.index;
    }
}

TEST_F(PageEditsTest, LoadReadsOnlyTheSlotsThatExist) {
    const struct {
        int slots, count;
        const char* names;
    } rows[] = {{3, 3, "1,2,3,"}, {3, 2, "1,2,"}, {2, INT_MAX, "1,2,"}, {0, 5, ""}, {2, -4, ""}};
    for (const auto& r : rows) {
        Seed(r.slots, r.count);
        PageSetup setup;
        std::string names;
        for (const ButtonEntry& e : LoadPageButtons(store, 1, setup)) names += e.AppName + ",";
        EXPECT_EQ(names, r.names) << r.slots << " slots, count " << r.count;
        EXPECT_EQ(setup.ButtonCount, static_cast<int>(names.size() / 2));
        EXPECT_FALSE(reg->HasKey(Key(ButtonSection(1, r.slots + 1))));
    }
}

// The add-and-remove dialog's OK: the working list, reordered, shortened or
// grown, is the page from slot 1 on, its count first.
TEST_F(PageEditsTest, StoreWritesTheListInItsOrderCountFirst) {
    const struct {
        const char* order;
        const char* after;
    } rows[] = {{"321", "3:3,2,1,"}, {"2", "1:2,2,3,"}, {"1234", "4:1,2,3,4,"}, {"", "0:1,2,3,"}};
    for (const auto& r : rows) {
        Seed(3, 3);
        std::vector<ButtonEntry> entries;
        for (const char* c = r.order; *c; ++c) {
            entries.emplace_back();
            entries.back().AppName = std::string(1, *c);
        }
        PageSetup setup;
        store.LoadPageSetup(1, setup);
        reg->ClearWrites();
        StorePageButtons(store, 1, setup, entries);
        EXPECT_EQ(Page(), r.after) << r.order;
        EXPECT_EQ(setup.ButtonCount, static_cast<int>(entries.size()));
        EXPECT_EQ(reg->Writes().front(), Key(PageSection(1)) + ":Num") << r.order;
    }
}

}  // namespace
