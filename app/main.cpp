#include <windows.h>
#include <delayimp.h>

#include "app/launcher_app.h"
#include "win/system_library.h"

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

// The libraries loaded on demand (the shell, the common dialogs, the theme
// library) are taken by their full path in the system folder, also where
// the call above is missing.
FARPROC WINAPI LoadOnDemandFromSystemFolder(unsigned notice, PDelayLoadInfo info) {
    if (notice != dliNotePreLoadLibrary || !info) return nullptr;
    return reinterpret_cast<FARPROC>(LoadSystemLibrary(info->szDll));
}
}  // namespace

extern "C" {
#ifdef _MSC_VER
const  // as the platform's header declares it
#endif
    PfnDliHook __pfnDliNotifyHook2 = LoadOnDemandFromSystemFolder;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LoadLibrariesFromSystemFolderOnly();
    CLauncherApp theApp;
    if (!theApp.InitInstance()) return 0;
    return theApp.Run();
}
