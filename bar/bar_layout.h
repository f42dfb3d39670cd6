#pragma once
// Geometry of the bar: the strip (grip and clock), the button cells and the
// window size, in both layouts. Sums are formed in 64 bits and saturated,
// so a hand-edited store with absurd counts or sizes cannot overflow them.

#include <cstdint>

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
    BarLayout(int option, int clockWidth, int btnSize, int buttonCount, int lineCount);

    // Depth of the strip: its width in the horizontal layout, its height in
    // the vertical one.
    int ClockExtent() const { return m_extent; }
    // Buttons in one line (0 without buttons).
    int PerLine() const { return m_perLine; }
    bool Vertical() const { return m_vertical; }

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

// A top-left corner off the screen (negative, or beyond the screen's width
// or height) goes to 0 on that axis; the rest of the bar may lie off screen.
LayoutPoint ClampToScreen(int x, int y, int screenWidth, int screenHeight);
