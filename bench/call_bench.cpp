#include "bench/call_bench.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "buttons/load_icon.h"

namespace bench {
namespace {

const char* const kLibrary = "C:\\windows\\system32\\shell32.dll";
const char* const kProgram = "C:\\windows\\notepad.exe";
const char* const kApplet = "C:\\windows\\system32\\joy.cpl";

// Runs `call` `reps` times; microseconds per run.
Series Time(int reps, const std::function<void()>& call) {
    Series s;
    for (int r = 0; r < reps; ++r) {
        const double start = NowMs();
        call();
        s.Add((NowMs() - start) * 1000);
    }
    return s;
}

void Extract(const char* file, int index, bool wantLarge, bool wantSmall) {
    HICON large = nullptr, small = nullptr;
    UINT got =
        ExtractIconExA(file, index, wantLarge ? &large : nullptr, wantSmall ? &small : nullptr, 1);
    if (got == 0 || got == UINT_MAX) return;
    if (wantLarge) DestroyIcon(large);
    if (wantSmall) DestroyIcon(small);
}

// An image list of `side` with these flags, one icon put in and drawn out.
void ListRoundTrip(HICON source, int side, UINT flags, int initial) {
    HIMAGELIST list = ImageList_Create(side, side, flags, initial, 0);
    ImageList_ReplaceIcon(list, -1, source);
    DestroyIcon(ImageList_GetIcon(list, 0, ILD_NORMAL));
    ImageList_Destroy(list);
}

}  // namespace

std::vector<CallFigure> TimeIconCalls(int reps) {
    std::vector<CallFigure> out;
    auto add = [&](const char* name, const std::function<void()>& call) {
        call();  // the first call loads what the platform caches
        out.push_back({name, Time(reps, call)});
    };
    add("ExtractIconExA, count only (-1)",
        [] { ExtractIconExA(kLibrary, -1, nullptr, nullptr, 1); });
    add("ExtractIconExA, large and small", [] { Extract(kLibrary, 3, true, true); });
    add("ExtractIconExA, large only", [] { Extract(kLibrary, 3, true, false); });
    add("ExtractIconExA, small only", [] { Extract(kLibrary, 3, false, true); });
    add("ExtractIconExA, program, large only", [] { Extract(kProgram, 0, true, false); });
    add("PrivateExtractIconsA, 32 px", [] {
        HICON icon = nullptr;
        UINT id = 0;
        if (PrivateExtractIconsA(kLibrary, 3, 32, 32, &icon, &id, 1, 0) == 1) DestroyIcon(icon);
    });
    add("SHGetFileInfoA, applet, small icon", [] {
        SHFILEINFOA info{};
        if (SHGetFileInfoA(kApplet, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
            DestroyIcon(info.hIcon);
    });
    HICON large = nullptr;
    ExtractIconExA(kLibrary, 3, &large, nullptr, 1);
    const UINT ddb = ILC_COLORDDB | ILC_MASK;
    add("list 16 px DDB+MASK (0,0): create, put, get", [=] { ListRoundTrip(large, 16, ddb, 0); });
    add("list 16 px DDB+MASK (1,0): create, put, get", [=] { ListRoundTrip(large, 16, ddb, 1); });
    add("list 16 px COLOR24+MASK: create, put, get",
        [=] { ListRoundTrip(large, 16, ILC_COLOR24 | ILC_MASK, 0); });
    add("list 32 px DDB+MASK (0,0): create, put, get", [=] { ListRoundTrip(large, 32, ddb, 0); });
    add("ImageList_Create 16 px DDB+MASK + destroy",
        [] { ImageList_Destroy(ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 0, 0)); });
    DestroyIcon(large);
    add("one-image loader (16 px): set, count, extract, put, get", [] {
        CLoadIcon loader;
        loader.SetSmall(1);
        loader.SetFile(kLibrary);
        loader.GetIcon(3);
    });
    return out;
}

}  // namespace bench
