#pragma once
// The platform reports a window's normal (restored) rectangle in work-area
// coordinates: shifted by the room a taskbar at the top or left of the
// window's monitor takes. The program places windows in screen coordinates.

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ScreenRect&) const = default;
};

// `rect`, given in the work-area coordinates of a monitor with these
// rectangles, in screen coordinates. Saturates at the limits of int.
ScreenRect ScreenFromWorkArea(const ScreenRect& rect, const ScreenRect& monitor,
                              const ScreenRect& work);
