#include "win/system_library.h"

#include <string>

HMODULE LoadSystemLibrary(const char* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (!name || length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(folder, length);
    path += L'\\';
    // Library names are ASCII.
    for (const char* c = name; *c; ++c) path += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    // Its own dependencies are looked for beside it.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
