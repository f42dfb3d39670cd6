#pragma once
// The scale of the monitor a window or point is on. The calls that tell it
// per monitor came with Windows 8.1 and 10; they are looked up at run time,
// and without them the system's one scale serves.

#include <windows.h>

int WindowDpi(HWND wnd);
// The one scale of the system, at which the screen's device context (and
// so the font dialog) counts points.
int SystemDpi();
int MonitorDpiAt(POINT point);

// A dialog moved to a monitor of another scale keeps its own layout: the
// caller lays it out again itself.
void KeepDialogLayoutOnDpiChange(HWND dialog);
