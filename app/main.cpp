#include <windows.h>

#include "app/launcher_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CLauncherApp theApp;
    if (!theApp.InitInstance()) return 0;
    return theApp.Run();
}
