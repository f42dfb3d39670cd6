// Started by the launch tests: appends what it was started with to the log
// named by TARVIX_PROBE_LOG, then ends without showing anything.

#include <windows.h>

#include <algorithm>
#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCmd) {
    char log[MAX_PATH], cwd[MAX_PATH];
    if (!GetEnvironmentVariableA("TARVIX_PROBE_LOG", log, sizeof log)) return 1;
    GetCurrentDirectoryA(sizeof cwd, cwd);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    // One write per run, so that runs of probes started together never
    // interleave in the log.
    char record[4 * MAX_PATH + 32768];
    const int length =
        std::snprintf(record, sizeof record,
                      "module=%s\ncmdline=%s\ncwd=%s\nshow=%d\nflags=%lu\nsishow=%u\nend\n", path,
                      GetCommandLineA(), cwd, showCmd, si.dwFlags, si.wShowWindow);
    if (length <= 0) return 3;
    FILE* out = std::fopen(log, "ab");
    if (!out) return 2;
    std::fwrite(record, 1, std::min<size_t>(length, sizeof record - 1), out);
    std::fclose(out);
    return 0;
}
