#pragma once
// The rectangles of the monitors that make up the desktop.

#include <windows.h>

#include <vector>

// Each monitor's rectangle in screen coordinates; the primary screen alone
// when the platform lists none.
std::vector<RECT> MonitorRects();

// The window's normal (restored) rectangle in screen coordinates, as the
// program places windows: the platform gives it relative to the work area.
RECT NormalWindowRect(HWND wnd);
