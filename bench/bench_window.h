#pragma once
// The benchmark's own plain windows (the floors' parents): one class,
// registered once, that paints the face colour and does nothing else.

#include <windows.h>

#include "win/handles.h"

namespace bench {

// A top-level tool window of `style` at the given place, owned by the caller.
UniqueWindow BenchWindow(DWORD style, int x, int y, int width, int height);

}  // namespace bench
