// A normal rectangle in work-area coordinates, taken to the screen: only a
// taskbar at the top or left of the monitor moves it.

#include <gtest/gtest.h>

#include <climits>

#include "core/work_area.h"

namespace {

struct WorkAreaRow {
    const char* what;
    ScreenRect monitor;
    ScreenRect work;
    ScreenRect rect;
    ScreenRect expected;
};

TEST(WorkAreaTest, TaskbarsAtTheTopAndLeftShiftTheRectangle) {
    const ScreenRect primary{0, 0, 1280, 1024};
    const ScreenRect left{-1920, -200, 0, 880};
    const ScreenRect r{100, 60, 485, 125};
    const WorkAreaRow rows[] = {
        {"no taskbar", primary, primary, r, r},
        {"taskbar at the top", primary, {0, 40, 1280, 1024}, r, {100, 100, 485, 165}},
        {"taskbar at the left", primary, {62, 0, 1280, 1024}, r, {162, 60, 547, 125}},
        {"taskbar at the bottom", primary, {0, 0, 1280, 984}, r, r},
        {"taskbar at the right", primary, {0, 0, 1218, 1024}, r, r},
        {"left of the primary, taskbar at its top", left, {-1920, -160, 0, 880},
         {-1800, 0, -1415, 65}, {-1800, 40, -1415, 105}},
        {"left of the primary, taskbar at its left", left, {-1860, -200, 0, 880},
         {0, 0, 385, 65}, {60, 0, 445, 65}},
        {"at the origin of the work area", primary, {0, 40, 1280, 1024}, {0, 0, 385, 65},
         {0, 40, 385, 105}},
        {"saturates", primary, {0, 40, 1280, 1024}, {0, INT_MAX - 10, 0, INT_MAX},
         {0, INT_MAX, 0, INT_MAX}},
        {"saturates below", {INT_MAX, 0, INT_MAX, 0}, {INT_MIN, 0, 0, 0}, {INT_MIN, 0, 0, 0},
         {INT_MIN, 0, INT_MIN, 0}},
    };
    for (const WorkAreaRow& row : rows) {
        const ScreenRect got = ScreenFromWorkArea(row.rect, row.monitor, row.work);
        EXPECT_EQ(got, row.expected) << row.what << ": " << got.left << "," << got.top << ","
                                     << got.right << "," << got.bottom;
    }
}

}  // namespace
