// The image a button's icon is drawn from, and the sizes icon directories list.

#include "core/icon_sizes.h"

#include <gtest/gtest.h>

namespace {

TEST(IconSizes, SmallestImageAtLeastTheWantedSizeElseTheLargest) {
    struct Row {
        std::vector<int> sizes;
        int wanted, chosen;
    };
    const std::vector<int> shell = {16, 32, 48, 256};
    const Row rows[] = {
        {shell, 32, 32},        {shell, 48, 48},        {shell, 46, 48},
        {shell, 30, 32},        {shell, 49, 256},       {shell, 1, 16},
        {shell, 257, 256},      {{16, 32, 48}, 69, 48}, {{48, 16, 32}, 24, 32},
        {{64, 32, 48}, 46, 48}, {{32, 32, 48}, 32, 32}, {{32}, 16, 32},
        {{0, -5, 24}, 16, 24},  {{0}, 16, 0},           {{}, 32, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "wanted " << r.wanted << " of " << r.sizes.size());
        EXPECT_EQ(ChooseIconSize(r.sizes, r.wanted), r.chosen);
    }
}

TEST(IconSizes, DirectoryOfAnIconFileOrAGroupResource) {
    // Three entries: 16, 48 and 256 (written 0) pixels.
    auto directory = [](int type, int entrySize) {
        std::vector<unsigned char> d = {0, 0, static_cast<unsigned char>(type), 0, 3, 0};
        for (int side : {16, 48, 0}) {
            d.push_back(static_cast<unsigned char>(side));
            d.resize(d.size() + entrySize - 1, 0xEE);
        }
        return d;
    };
    const std::vector<int> three = {16, 48, 256};
    for (int entrySize : {16, 14}) {
        SCOPED_TRACE(entrySize);
        std::vector<unsigned char> d = directory(1, entrySize);
        EXPECT_EQ(IconDirectorySizes(d.data(), d.size(), entrySize), three);
        EXPECT_TRUE(IconDirectorySizes(d.data(), d.size() - 1, entrySize).empty()) << "cut short";
        d = directory(2, entrySize);
        EXPECT_TRUE(IconDirectorySizes(d.data(), d.size(), entrySize).empty()) << "a cursor";
    }
    EXPECT_TRUE(IconDirectorySizes(nullptr, 0, 16).empty());
}

}  // namespace
