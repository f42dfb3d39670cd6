#include <windows.h>

#include "app/launcher_app.h"

namespace {
// The program is often started from a downloads folder, where any DLL may
// lie beside it: libraries loaded on demand (by the shell, the common
// dialogs, the help call) come from the system folder only. The call is
// looked up, because a Windows 7 without its update lacks it.
void LoadLibrariesFromSystemFolderOnly() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto set = kernel ? reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
                            GetProcAddress(kernel, "SetDefaultDllDirectories")))
                      : nullptr;
    if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LoadLibrariesFromSystemFolderOnly();
    CLauncherApp theApp;
    if (!theApp.InitInstance()) return 0;
    return theApp.Run();
}
