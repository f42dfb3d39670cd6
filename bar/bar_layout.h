#pragma once
// Geometry of the bar: the strip (grip and clock), the button cells and the
// window size, in both layouts. Sums are formed in 64 bits and saturated,
// so a hand-edited store with absurd counts or sizes cannot overflow them.

#include <cstdint>
#include <span>

// Depth of the strip when no clock is shown, and in the vertical layout.
constexpr int kStripDepth = 10;

// Most buttons a page shows. Each button costs one window and one icon
// (USER objects) and an image list with its bitmaps and the icon's bitmaps
// (about six GDI objects); Windows gives a process 10,000 of each by
// default, so 1,000 buttons stay well inside both quotas with room left for
// menus and dialogs, and keep the control ids 500 + k below 1,500. At 15
// pixels a side 1,000 buttons already run far past any screen.
constexpr int kMaxPageButtons = 1000;

// Largest window extent and coordinate handed to the platform: GDI and the
// X11 protocol under Wine both work in signed 16-bit coordinates.
constexpr int kMaxCoordinate = 32767;

// The common button size of a fresh store.
constexpr int kDefaultButtonSize = 34;

struct LayoutRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const LayoutRect&) const = default;
};

struct LayoutSize {
    int cx = 0, cy = 0;
    bool operator==(const LayoutSize&) const = default;
};

struct LayoutPoint {
    int x = 0, y = 0;
    bool operator==(const LayoutPoint&) const = default;
};

class BarLayout {
public:
    // Sizes in pixels; `stripDepth` is the strip without its clock.
    BarLayout(int option, int clockWidth, int btnSize, int buttonCount, int lineCount,
              int stripDepth = kStripDepth);

    // Depth of the strip: its width in the horizontal layout, its height in
    // the vertical one.
    int ClockExtent() const { return m_extent; }
    // Buttons in one line (0 without buttons).
    int PerLine() const { return m_perLine; }

    // Offsets of button index inside the button area.
    LayoutPoint CellOrigin(int index) const;
    // Button index in bar client coordinates.
    LayoutRect ButtonRect(int index) const;
    // The strip: (0, 0, extent, thickness), turned for the vertical layout.
    LayoutRect StripRect() const;
    LayoutSize WindowSize() const;

private:
    struct Offsets {
        std::int64_t across = 0, down = 0;
    };
    Offsets Cell(int index) const;

    bool m_vertical;
    int m_extent;
    std::int64_t m_btnSize;
    std::int64_t m_lineCount;
    int m_perLine;
};

// The bar's layout on a monitor of `dpi`: the button size and the strip
// (96-DPI sizes) scaled, the clock's width as measured at that scale.
BarLayout ScaledBarLayout(int option, int clockWidth, int btnSize, int buttonCount, int lineCount,
                          int dpi);

// The common button size as the bar uses it: a stored size that cannot
// draw a usable bar (below 1, or beyond what the platform can draw) gives
// the default; any other is used as stored.
int UsableButtonSize(int storedSize);

// Where the bar's top-left corner goes among the monitors (rectangles in
// screen coordinates, the primary one with its origin at 0, 0). A corner on
// a monitor, right and bottom edges included, stays; otherwise each axis
// that lies outside every monitor goes to 0, and a corner that still lies
// in a gap between monitors goes to 0, 0. The rest of the bar may lie off
// screen. Without monitors the corner goes to 0, 0.
LayoutPoint PlaceOnMonitors(int x, int y, std::span<const LayoutRect> monitors);
