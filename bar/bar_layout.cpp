#include "bar/bar_layout.h"

#include <algorithm>

#include "config/records.h"
#include "core/dpi_scale.h"

namespace {
int Coordinate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -kMaxCoordinate - 1, kMaxCoordinate));
}
int Extent(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, kMaxCoordinate));
}
}  // namespace

BarLayout::BarLayout(int option, int clockWidth, int btnSize, int buttonCount, int lineCount,
                     int stripDepth)
    : m_vertical((option & OPT_VERTICAL) != 0), m_btnSize(btnSize), m_lineCount(lineCount) {
    std::int64_t extent = stripDepth;
    if (!m_vertical) {
        if (option & OPT_DATE) extent += clockWidth;
        if (option & OPT_TIME) extent += clockWidth;
    }
    m_extent = Extent(extent);
    const std::int64_t count = std::max(buttonCount, 0);
    const std::int64_t lines = std::max<std::int64_t>(lineCount, 1);
    m_perLine = static_cast<int>((count + lines - 1) / lines);
}

BarLayout::Offsets BarLayout::Cell(int index) const {
    if (m_perLine == 0) return {};
    return {index % m_perLine * m_btnSize, index / m_perLine * m_btnSize};
}

LayoutPoint BarLayout::CellOrigin(int index) const {
    Offsets cell = Cell(index);
    return {Coordinate(cell.across), Coordinate(cell.down)};
}

LayoutRect BarLayout::ButtonRect(int index) const {
    Offsets cell = Cell(index);
    // Lines are rows beside the strip, or columns below it.
    std::int64_t along = m_extent + cell.across;
    std::int64_t left = m_vertical ? cell.down : along;
    std::int64_t top = m_vertical ? along : cell.down;
    return {Coordinate(left), Coordinate(top), Coordinate(left + m_btnSize),
            Coordinate(top + m_btnSize)};
}

LayoutRect BarLayout::StripRect() const {
    int thickness = Extent(m_lineCount * m_btnSize);
    if (m_vertical) return {0, 0, thickness, m_extent};
    return {0, 0, m_extent, thickness};
}

LayoutSize BarLayout::WindowSize() const {
    int along = Extent(m_extent + m_perLine * m_btnSize);
    int thickness = Extent(m_lineCount * m_btnSize);
    if (m_vertical) return {thickness, along};
    return {along, thickness};
}

BarLayout ScaledBarLayout(int option, int clockWidth, int btnSize, int buttonCount, int lineCount,
                          int dpi) {
    return BarLayout(option, clockWidth, ScaleForDpi(btnSize, dpi), buttonCount, lineCount,
                     ScaleForDpi(kStripDepth, dpi));
}

int UsableButtonSize(int storedSize) {
    return storedSize >= 1 && storedSize <= kMaxCoordinate ? storedSize : kDefaultButtonSize;
}

namespace {
bool OnMonitor(const LayoutRect& m, int x, int y) {
    return x >= m.left && x <= m.right && y >= m.top && y <= m.bottom;
}
}  // namespace

LayoutPoint PlaceOnMonitors(int x, int y, std::span<const LayoutRect> monitors) {
    auto onAny = [&](auto test) { return std::any_of(monitors.begin(), monitors.end(), test); };
    if (onAny([&](const LayoutRect& m) { return OnMonitor(m, x, y); })) return {x, y};
    if (!onAny([&](const LayoutRect& m) { return x >= m.left && x <= m.right; })) x = 0;
    if (!onAny([&](const LayoutRect& m) { return y >= m.top && y <= m.bottom; })) y = 0;
    if (onAny([&](const LayoutRect& m) { return OnMonitor(m, x, y); })) return {x, y};
    return {0, 0};
}
