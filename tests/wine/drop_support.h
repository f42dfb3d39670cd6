#pragma once
// Drop handles built the way the shell builds them.

#include <windows.h>

#include <string>
#include <vector>

namespace wt {

// DROPFILES, then the names, each ending in a NUL, and one more NUL.
// DragFinish frees it.
HDROP MakeDrop(const std::vector<std::string>& files, POINT pt);

}  // namespace wt
