// A page's edits on the in-memory store: what every slot holds afterwards.

#include "config/page_edits.h"

#include <climits>

#include "tests/native/memory_store.h"

namespace {

class PageEditsTest : public MemoryStoreTest {
protected:
    // Slots 1..n named "1".."n" and the page's count.
    void Seed(int slots, int count) {
        for (int i = 1; i <= slots; ++i) {
            ButtonEntry entry;
            entry.AppName = std::to_string(i);
            store.SaveButton(1, i, entry);
        }
        store.SaveButtonCount(1, count);
    }
    // The slots' AppNames from 1 up to the first missing one.
    std::string Slots() {
        std::string names;
        for (int i = 1; reg->HasKey(Key(ButtonSection(1, i))); ++i) {
            ButtonEntry entry;
            store.LoadButton(1, i, entry);
            names += (names.empty() ? "" : ",") + entry.AppName;
        }
        return names;
    }
    int Count() {
        PageSetup setup;
        store.LoadPageSetup(1, setup);
        return setup.ButtonCount;
    }
};

TEST_F(PageEditsTest, AppendAfterTheCount) {
    struct Row {
        int slots, count, paths, newCount;
        const char* after;
    };
    const Row rows[] = {
        {0, 0, 2, 2, "a,b"},      {3, 3, 1, 4, "1,2,3,a"}, {3, 2, 1, 3, "1,2,a"},
        {2, 2, 0, 2, "1,2"},      {0, INT_MAX - 1, 3, INT_MAX, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.slots << " slots, count " << r.count);
        store.DeletePageKey(1);
        Seed(r.slots, r.count);
        const std::vector<std::string> paths{"a", "b", "c"};
        EXPECT_EQ(AppendButtons(store, 1, r.count,
                                std::vector<std::string>(paths.begin(), paths.begin() + r.paths)),
                  r.newCount);
        EXPECT_EQ(Count(), r.newCount);
        EXPECT_EQ(Slots(), r.after);
    }
}

TEST_F(PageEditsTest, DeleteMovesTheLaterSlotsUp) {
    struct Row {
        int slots, count, shown, index;
        const char* after;
        int newCount;
    };
    const Row rows[] = {
        {4, 4, 4, 0, "2,3,4", 3},   {4, 4, 4, 3, "1,2,3", 3},   {4, 4, 4, 1, "1,3,4", 3},
        {5, 5, 3, 0, "2,3,4,5", 4},  // slots beyond the shown ones move too
        // A hand-edited count: the shown (empty) buttons move, and no more.
        {3, INT_MAX, 1000, 0, "2,3,,,,,,", 999},
        {3, 3, 3, 7, "1,2,3", 3},    // no such button: nothing changes
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.slots << " slots, delete " << r.index);
        store.DeletePageKey(1);
        Seed(r.slots, r.count);
        PageSetup setup;
        store.LoadPageSetup(1, setup);
        DeleteButtonAndMoveUp(store, 1, setup, r.index, r.shown);
        EXPECT_EQ(setup.ButtonCount, r.newCount);
        EXPECT_EQ(Count(), r.newCount);
        EXPECT_EQ(Slots().substr(0, 9), r.after);
    }
}

}  // namespace
