// A control-panel applet for the launch tests: when opened it appends the
// command line of the process that opened it to TARVIX_PROBE_LOG.

#include <windows.h>
#include <cpl.h>

#include <cstdio>

namespace {
void Record(const char* event) {
    char log[MAX_PATH];
    if (!GetEnvironmentVariableA("TARVIX_PROBE_LOG", log, sizeof log)) return;
    if (FILE* out = std::fopen(log, "ab")) {
        std::fprintf(out, "applet=%s\ncmdline=%s\nend\n", event, GetCommandLineA());
        std::fclose(out);
    }
}
}  // namespace

extern "C" __declspec(dllexport) LONG CALLBACK CPlApplet(HWND, UINT msg, LPARAM, LPARAM lp2) {
    switch (msg) {
        case CPL_INIT:
            return TRUE;
        case CPL_GETCOUNT:
            return 1;
        case CPL_INQUIRE: {
            auto* info = reinterpret_cast<CPLINFO*>(lp2);
            info->idIcon = 1;
            info->idName = 1;
            info->idInfo = 2;
            info->lData = 0;
            return 0;
        }
        case CPL_DBLCLK:
            Record("opened");
            return 0;
    }
    return 0;
}
