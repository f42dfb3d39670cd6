// The clock font's height between the store, the bar's scale and the font
// dialog's.

#include "core/font_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(FontScale, StoredHeightsAtEachScaleAndBack) {
    struct Row {
        int stored, dpi, shown, back;
    };
    constexpr int kDefault = 15;  // the platform's default, at 96 DPI
    const Row rows[] = {
        // The default stays the platform's own at 96 and is its size elsewhere.
        {0, 96, 0, 0},        {0, 120, -19, -15},   {0, 144, -23, -15},   {0, 192, -30, -15},
        // A chosen height as high as the default is no default.
        {-15, 96, -15, -15},  {-15, 144, -23, -15}, {-15, 192, -30, -15},
        {-12, 120, -15, -12}, {-13, 120, -16, -13}, {-13, 144, -20, -13}, {-16, 144, -24, -16},
        {-1, 144, -2, -1},    {-1, 120, -1, -1},
        // Cell heights.
        {16, 120, 20, 16},    {17, 144, 26, 17},    {1, 192, 2, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.stored << " at " << r.dpi);
        EXPECT_EQ(FontHeightForDpi(r.stored, r.dpi, kDefault), r.shown);
        EXPECT_EQ(FontHeightFromDpi(r.shown, r.dpi), r.back);
    }
}

}  // namespace
