// A normal rectangle in work-area coordinates, taken to the screen: only a
// taskbar at the top or left of the monitor moves it.

#include <gtest/gtest.h>

#include <climits>

#include "core/work_area.h"

namespace {

TEST(WorkAreaTest, TaskbarsAtTheTopAndLeftShiftTheRectangle) {
    const ScreenRect screen{0, 0, 1280, 1024}, left{-1920, -200, 0, 880}, r{100, 60, 485, 125};
    const struct {
        ScreenRect monitor, work, rect, expected;
    } rows[] = {
        {screen, screen, r, r},
        {screen, {0, 40, 1280, 1024}, r, {100, 100, 485, 165}},
        {screen, {62, 0, 1280, 1024}, r, {162, 60, 547, 125}},
        {screen, {0, 0, 1218, 984}, r, r},  // taskbars at the right and bottom
        {left, {-1860, -160, 0, 880}, {0, 0, 385, 65}, {60, 40, 445, 105}},
        {screen, {0, 40, 1280, 1024}, {0, INT_MAX - 10, 0, INT_MAX}, {0, INT_MAX, 0, INT_MAX}},
    };
    for (const auto& row : rows) {
        const ScreenRect got = ScreenFromWorkArea(row.rect, row.monitor, row.work);
        EXPECT_EQ(got, row.expected) << got.left << "," << got.top << "," << got.right << ","
                                     << got.bottom;
    }
}

}  // namespace
