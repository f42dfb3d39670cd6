#pragma once
// Libraries of the system taken from the system folder by their full path,
// never from the program's folder or the current one, where any file of
// that name may lie (a downloads folder).

#include <windows.h>

// The library `name` ("uxtheme.dll") of the system folder, loaded or
// found loaded; null when the system folder has none.
HMODULE LoadSystemLibrary(const char* name);
