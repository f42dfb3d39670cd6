// Sizes at 96 DPI drawn at other scales, and the bar laid out with them.

#include "core/dpi_scale.h"

#include <gtest/gtest.h>

#include <climits>

#include "bar/bar_layout.h"
#include "config/records.h"

namespace {

TEST(DpiScale, CommonScalesAndOddSizes) {
    struct Row {
        int value, dpi, scaled;
    };
    const Row rows[] = {
        {34, 96, 34},   {34, 120, 43},  {34, 144, 51},  {34, 168, 60},  {34, 192, 68},
        {34, 288, 102}, {32, 144, 48},  {32, 192, 64},  {16, 120, 20},  {16, 144, 24},
        {10, 144, 15},  {15, 144, 23},  {50, 144, 75},  {15, 120, 19},  {50, 168, 88},
        {1, 144, 2},    {1, 120, 1},    {0, 144, 0},    {-12, 144, -18}, {-13, 144, -20},
        {35, 0, 35},    {INT_MAX, 192, INT_MAX},        {INT_MIN, 192, INT_MIN},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.value << " at " << r.dpi);
        EXPECT_EQ(ScaleForDpi(r.value, r.dpi), r.scaled);
    }
}

TEST(DpiScale, StoredSizesComeBackUnchanged) {
    for (int dpi : {96, 120, 144, 168, 192, 288})
        for (int v = -100; v <= 100; ++v) {
            SCOPED_TRACE(testing::Message() << v << " at " << dpi);
            EXPECT_EQ(UnscaleForDpi(ScaleForDpi(v, dpi), dpi), v);
        }
}

// The bar's own scaled layout: every button the scaled size, the first
// beside the scaled strip, neighbours meeting, the window just around them.
TEST(DpiScale, ButtonsMeetWithoutSeamsAtEveryScale) {
    for (int dpi : {96, 120, 144, 168, 192, 288})
        for (int size : {15, 17, 33, 34, 50}) {
            SCOPED_TRACE(testing::Message() << size << " at " << dpi);
            const int px = ScaleForDpi(size, dpi);
            const BarLayout layout = ScaledBarLayout(OPT_DATE | OPT_TIME, 40, size, 7, 2, dpi);
            EXPECT_EQ(layout.ClockExtent(), 80 + ScaleForDpi(kStripDepth, dpi));
            EXPECT_EQ(layout.ButtonRect(0).left, layout.ClockExtent());
            for (int k = 0; k < 7; ++k) {
                const LayoutRect r = layout.ButtonRect(k);
                EXPECT_EQ(r.right - r.left, px) << k;
                EXPECT_EQ(r.bottom - r.top, px) << k;
                if (k % 4 != 3 && k + 1 < 7) {
                    EXPECT_EQ(r.right, layout.ButtonRect(k + 1).left) << k;
                }
            }
            EXPECT_EQ(layout.ButtonRect(0).bottom, layout.ButtonRect(4).top);
            EXPECT_EQ(layout.WindowSize(), (LayoutSize{layout.ButtonRect(3).right, 2 * px}));
        }
}

}  // namespace
