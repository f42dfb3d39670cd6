// The bar on a desktop of two monitors. These tests need a display of two
// screens (scripts/test.sh starts one for them); the rest of the suite runs
// on a single screen.

#include "tests/wine/bar_fixture.h"

namespace {

class TwoScreensTest : public BarFixture {
protected:
    void SetUp() override {
        ASSERT_GE(GetSystemMetrics(SM_CMONITORS), 2) << "run on a display of two screens";
        // Wine gives every head the origin 0, 0: the second, larger one
        // reaches beyond the primary screen on both axes.
        ASSERT_GT(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CXSCREEN));
        ASSERT_GT(GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    void StartAt(int x, int y) {
        SeedSetting("X", static_cast<DWORD>(x));
        SeedSetting("Y", static_cast<DWORD>(y));
        Start();
    }
};

TEST_F(TwoScreensTest, CornerBeyondThePrimaryButOnTheSecondStaysAndIsSaved) {
    const int x = GetSystemMetrics(SM_CXSCREEN) + 100;
    const int y = GetSystemMetrics(SM_CYSCREEN) + 50;
    StartAt(x, y);
    RECT r = WindowRect();
    EXPECT_EQ(r.left, x);
    EXPECT_EQ(r.top, y);
    Exit();
    EXPECT_EQ(wt::RawDword("Setting", "X"), static_cast<DWORD>(x));
    EXPECT_EQ(wt::RawDword("Setting", "Y"), static_cast<DWORD>(y));
}

TEST_F(TwoScreensTest, CornerOnTheVirtualScreensEdgeStays) {
    const int right = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int bottom = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    StartAt(right, bottom);
    RECT r = WindowRect();
    EXPECT_EQ(r.left, right);
    EXPECT_EQ(r.top, bottom);
}

TEST_F(TwoScreensTest, CornerBeyondEveryMonitorGoesToZeroOnThatAxis) {
    const int x = GetSystemMetrics(SM_CXVIRTUALSCREEN) + 1;
    StartAt(x, 200);
    RECT r = WindowRect();
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 200);
}

}  // namespace
