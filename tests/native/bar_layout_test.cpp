// The bar's geometry and tool-tip texts.

#include "bar/bar_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "bar/tool_tip_text.h"
#include "config/records.h"

namespace {

constexpr int kDateTime = OPT_DATE | OPT_TIME;

TEST(BarLayout, WorkedExample) {
    BarLayout h(kDateTime, 40, 34, 7, 2);
    EXPECT_EQ(h.ClockExtent(), 90);
    EXPECT_EQ(h.PerLine(), 4);
    EXPECT_EQ(h.WindowSize(), (LayoutSize{226, 68}));
    EXPECT_EQ(h.ButtonRect(5), (LayoutRect{124, 34, 158, 68}));
    EXPECT_EQ(h.StripRect(), (LayoutRect{0, 0, 90, 68}));

    BarLayout v(kDateTime | OPT_VERTICAL, 40, 34, 7, 2);
    EXPECT_EQ(v.ClockExtent(), 10);
    EXPECT_EQ(v.WindowSize(), (LayoutSize{68, 146}));
    EXPECT_EQ(v.ButtonRect(5), (LayoutRect{34, 44, 68, 78}));
    EXPECT_EQ(v.StripRect(), (LayoutRect{0, 0, 68, 10}));
}

TEST(BarLayout, StripDepth) {
    EXPECT_EQ(BarLayout(0, 40, 34, 0, 1).ClockExtent(), 10);
    EXPECT_EQ(BarLayout(OPT_DATE, 40, 34, 0, 1).ClockExtent(), 50);
    EXPECT_EQ(BarLayout(OPT_TIME, 40, 34, 0, 1).ClockExtent(), 50);
    EXPECT_EQ(BarLayout(kDateTime | OPT_VERTICAL, 40, 34, 0, 1).ClockExtent(), 10);
}

TEST(BarLayout, LinesAndCells) {
    BarLayout more(kDateTime, 40, 34, 3, 5);  // more lines than buttons
    EXPECT_EQ(more.PerLine(), 1);
    EXPECT_EQ(more.WindowSize(), (LayoutSize{124, 170}));
    EXPECT_EQ(more.CellOrigin(2), (LayoutPoint{0, 68}));

    BarLayout exact(0, 0, 20, 6, 3);
    EXPECT_EQ(exact.PerLine(), 2);
    EXPECT_EQ(exact.CellOrigin(5), (LayoutPoint{20, 40}));
    EXPECT_EQ(exact.WindowSize(), (LayoutSize{50, 60}));
}

TEST(BarLayout, EmptyPageKeepsItsThickness) {
    BarLayout empty(kDateTime, 30, 34, 0, 3);
    EXPECT_EQ(empty.PerLine(), 0);
    EXPECT_EQ(empty.WindowSize(), (LayoutSize{70, 102}));
    EXPECT_EQ(empty.CellOrigin(0), (LayoutPoint{0, 0}));
}

TEST(BarLayout, AbsurdValuesSaturate) {
    BarLayout wide(kDateTime, 40, 50, 1000, 1);
    EXPECT_EQ(wide.WindowSize(), (LayoutSize{kMaxCoordinate, 50}));
    EXPECT_EQ(wide.ButtonRect(999).left, kMaxCoordinate);

    BarLayout thick(kDateTime, 40, 34, 3, INT_MAX);
    EXPECT_EQ(thick.PerLine(), 1);
    EXPECT_EQ(thick.WindowSize().cy, kMaxCoordinate);

    BarLayout negative(kDateTime, 40, -40, 3, 1);
    EXPECT_EQ(negative.WindowSize(), (LayoutSize{0, 0}));
    LayoutRect r = negative.ButtonRect(2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.right, -30);

    BarLayout huge(kDateTime, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(huge.ClockExtent(), kMaxCoordinate);
    EXPECT_EQ(huge.WindowSize(), (LayoutSize{kMaxCoordinate, kMaxCoordinate}));
    EXPECT_EQ(huge.ButtonRect(INT_MAX).right, kMaxCoordinate);

    BarLayout tiny(kDateTime | OPT_VERTICAL, 0, INT_MIN, 5, 2);
    EXPECT_EQ(tiny.WindowSize(), (LayoutSize{0, 0}));
    EXPECT_EQ(tiny.ButtonRect(4).top, -kMaxCoordinate - 1);
}

TEST(BarLayout, OneMonitorTestsOnlyTheTopLeftCorner) {
    const LayoutRect screen[] = {{0, 0, 1280, 1024}};
    EXPECT_EQ(PlaceOnMonitors(1280, 1024, screen), (LayoutPoint{1280, 1024}));
    EXPECT_EQ(PlaceOnMonitors(1281, 1025, screen), (LayoutPoint{0, 0}));
    EXPECT_EQ(PlaceOnMonitors(1281, 5, screen), (LayoutPoint{0, 5}));
    EXPECT_EQ(PlaceOnMonitors(-1, 5, screen), (LayoutPoint{0, 5}));
    EXPECT_EQ(PlaceOnMonitors(5, -1, screen), (LayoutPoint{5, 0}));
    EXPECT_EQ(PlaceOnMonitors(INT_MIN, INT_MAX, screen), (LayoutPoint{0, 0}));
    EXPECT_EQ(PlaceOnMonitors(40, 50, {}), (LayoutPoint{0, 0})) << "no monitor known";
}

struct MonitorRow {
    const char* layout;
    std::vector<LayoutRect> monitors;
    LayoutPoint corner, placed;
};

TEST(BarLayout, CornerStaysOnAnyMonitor) {
    const LayoutRect primary{0, 0, 1024, 768};
    const std::vector<LayoutRect> right = {primary, {1024, 0, 2624, 1200}};
    const std::vector<LayoutRect> left = {primary, {-1600, -432, 0, 768}};
    const std::vector<LayoutRect> above = {primary, {0, -1200, 1600, 0}};
    const std::vector<LayoutRect> gap = {primary, {1100, 0, 2700, 900}};
    const MonitorRow rows[] = {
        {"right of the primary", right, {1500, 1000}, {1500, 1000}},
        {"right, edge included", right, {2624, 1200}, {2624, 1200}},
        {"right, beyond both", right, {2625, 100}, {0, 100}},
        {"right, below the primary only", right, {500, 1000}, {0, 0}},
        {"left, negative origin", left, {-1500, -400}, {-1500, -400}},
        {"left, above its top", left, {-1500, -433}, {-1500, 0}},
        {"left, beyond its left", left, {-1601, 20}, {0, 20}},
        {"above, negative y", above, {800, -1100}, {800, -1100}},
        {"above, beyond its right", above, {1601, -10}, {0, -10}},
        {"gap between monitors", gap, {1050, 100}, {0, 100}},
        {"gap, far below", gap, {1050, 1000}, {0, 0}},
        {"second monitor unplugged", {primary}, {1500, 1000}, {0, 0}},
        {"left monitor unplugged", {primary}, {-1500, -400}, {0, 0}},
        {"same origin, larger second", {primary, {0, 0, 1600, 1200}}, {1500, 1100}, {1500, 1100}},
    };
    for (const MonitorRow& r : rows) {
        SCOPED_TRACE(r.layout);
        EXPECT_EQ(PlaceOnMonitors(r.corner.x, r.corner.y, r.monitors), r.placed);
    }
}

TEST(BarLayout, UnusableButtonSizesFallBackToTheDefault) {
    const int rows[][2] = {{34, 34},       {15, 15},       {1, 1},
                           {0, 34},        {-1, 34},       {INT_MIN, 34},
                           {32767, 32767}, {32768, 34},    {100000, 34},
                           {INT_MAX, 34}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r[0]);
        EXPECT_EQ(UsableButtonSize(r[0]), r[1]);
    }
}

TEST(ToolTipText, TipsWrapWithinTheWorkArea) {
    const std::pair<int, int> rows[] = {{1280, 1264}, {1024, 1008}, {49, 33}, {48, 32},
                                        {20, 32},     {0, 32},      {-5, 32}};
    for (const auto& [work, width] : rows) EXPECT_EQ(TipTextWidth(work), width) << work;
}

TEST(ToolTipText, TitleThenFileNameThenPath) {
    ButtonEntry e;
    e.AppName = "C:\\ソフト\\表示.exe";
    EXPECT_EQ(ToolTipText(e), "表示.exe");
    e.Title = "ﾂｰﾙ";
    EXPECT_EQ(ToolTipText(e), "ﾂｰﾙ");
    e.Title.clear();
    e.AppName = "C:\\ソ\\";
    EXPECT_EQ(ToolTipText(e), "C:\\ソ\\") << "no file name: the path itself";
    e.AppName = "C:";
    EXPECT_EQ(ToolTipText(e), "C:");
    e.AppName = "";
    EXPECT_EQ(ToolTipText(e), "");
    e.AppName = "notes";
    EXPECT_EQ(ToolTipText(e), "notes");
}

}  // namespace
