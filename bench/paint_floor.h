#pragma once
// The paint floor: bare icon push buttons of the bar's size and place,
// holding the icons the bar's page load produced, painted once with the
// whole window updated at once, as a switch paints. And a count of the
// paint messages a window and its children receive.

#include <windows.h>

#include <vector>

#include "win/handles.h"

namespace bench {

// Paint messages received, by the window given and by its children.
struct PaintCount {
    int erase = 0, paint = 0, frame = 0;                 // the window
    int childErase = 0, childPaint = 0, childFrame = 0;  // its children
};

class PaintFloor {
public:
    PaintFloor();
    ~PaintFloor();
    PaintFloor(const PaintFloor&) = delete;
    PaintFloor& operator=(const PaintFloor&) = delete;

    // Makes one bare button for each of `buttons` (children of `bar`) with
    // its size, place and icon, below the bar; then times their first paint
    // and the messages it leaves in the queue, in milliseconds. The icons
    // stay the bar's. `counted`, when given, gets the paint messages of
    // the timed part.
    double Paint(HWND bar, const std::vector<HWND>& buttons, PaintCount* counted = nullptr);
    HWND Handle() const { return m_wnd.Get(); }

private:
    UniqueWindow m_wnd;
    // Children of m_wnd, destroyed before it.
    std::vector<UniqueWindow> m_buttons;
};

// Counts what `wnd` and its children receive while it lives (one thread).
class PaintCounter {
public:
    explicit PaintCounter(HWND wnd);
    ~PaintCounter();
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    const PaintCount& Count() const;
};

// Handles every queued message of this thread; returns the milliseconds.
double PumpQueue();

}  // namespace bench
