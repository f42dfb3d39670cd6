// The remembered icons' bookkeeping: keys, freshness, slots and bounds.

#include "core/icon_cache_index.h"

#include <gtest/gtest.h>

namespace {

IconKey Key(int n, int size = 32) {
    return {"C:\\f" + std::to_string(n) + ".exe", 0, size, false};
}
constexpr FileStamp kOld{100, 2000}, kNew{101, 2000};

TEST(IconCacheIndex, AnIconIsFoundOnlyForTheSameKeyAndFile) {
    IconCacheIndex index;
    ASSERT_EQ(index.Add(Key(1), kOld), 0);
    IconKey small = Key(1), other = Key(1), wider = Key(1, 48);
    small.small = true;
    other.index = 1;
    const struct {
        IconKey key;
        FileStamp stamp;
        int slot;
    } rows[] = {{Key(1), kOld, 0},  {Key(1), kNew, -1},       {Key(1), {100, 2001}, -1},
                {small, kOld, -1},  {other, kOld, -1},        {wider, kOld, -1},
                {Key(2), kOld, -1}, {Key(1), FileStamp{}, -1}};
    for (const auto& r : rows)
        EXPECT_EQ(index.Find(r.key, r.stamp), r.slot) << r.key.file << " " << r.key.size;
}

TEST(IconCacheIndex, AChangedFileIsReadAgainIntoItsOwnSlot) {
    IconCacheIndex index;
    index.Add(Key(1), kOld);
    index.Add(Key(2), kOld);
    EXPECT_EQ(index.Add(Key(1), kNew), 0);
    EXPECT_EQ(index.Find(Key(1), kNew), 0);
    EXPECT_EQ(index.Count(), 2u);
    EXPECT_EQ(index.Slots(32), 2);
}

TEST(IconCacheIndex, TheLeastRecentlyUsedGoFirstAndLeaveTheirSlots) {
    const struct {
        std::size_t maxIcons, maxBytes;
    } bounds[] = {{3, IconCacheIndex::kMaxBytes}, {1000, 3 * IconBytes(32)}};
    for (const auto& b : bounds) {
        IconCacheIndex index(b.maxIcons, b.maxBytes);
        for (int n = 1; n <= 3; ++n) index.Add(Key(n), kOld);
        index.Find(Key(1), kOld);  // used again: now 2 is the oldest
        EXPECT_EQ(index.Add(Key(4), kOld), 1) << "the slot of 2";
        EXPECT_EQ(index.Find(Key(2), kOld), -1);
        EXPECT_EQ(index.Find(Key(1), kOld), 0);
        EXPECT_EQ(index.Count(), 3u);
        EXPECT_EQ(index.Slots(32), 3);
    }
}

TEST(IconCacheIndex, ASizeWhoseIconsAllWentIsDropped) {
    IconCacheIndex index(1000, IconBytes(48) + 2 * IconBytes(16));
    index.Add(Key(1, 48), kOld);
    index.Add(Key(2, 16), kOld);
    EXPECT_TRUE(index.TakeDroppedSizes().empty());
    index.Add(Key(3, 16), kOld);
    index.Add(Key(4, 16), kOld);  // no room for a third 16 beside the 48
    EXPECT_EQ(index.TakeDroppedSizes(), std::vector<int>{48});
    EXPECT_EQ(index.Slots(48), 0);
    EXPECT_EQ(index.Bytes(), 3 * IconBytes(16));
    EXPECT_EQ(index.Add(Key(5, 48), kOld), 0) << "a new list starts at 0";
}

TEST(IconCacheIndex, BoundedOverManyPagesOfMixedSizes) {
    IconCacheIndex index(200, 1u << 20, 4);
    const int sizes[] = {16, 24, 32, 46, 48, 64};
    for (int round = 0; round < 20; ++round) {
        for (int n = 0; n < 300; ++n) {
            const IconKey key = Key(n, sizes[(n + round) % 6]);
            if (index.Find(key, kOld) < 0) {
                ASSERT_GE(index.Add(key, kOld), 0);
            }
            ASSERT_LE(index.Count(), 200u);
            ASSERT_LE(index.Bytes(), 1u << 20);
            int lists = 0;
            for (int size : sizes) lists += index.Slots(size) > 0;
            ASSERT_LE(lists, 4);
        }
    }
    std::size_t listed = 0;
    for (int size : sizes) listed += IconBytes(size) * static_cast<std::size_t>(index.Slots(size));
    EXPECT_EQ(listed, index.Bytes());
}

TEST(IconCacheIndex, AnIconBeyondTheBoundsIsNotKept) {
    IconCacheIndex index(10, IconBytes(32) - 1);
    EXPECT_EQ(index.Add(Key(1), kOld), -1);
    EXPECT_EQ(index.Count(), 0u);
    index.Clear();
    EXPECT_EQ(index.Bytes(), 0u);
}

}  // namespace
