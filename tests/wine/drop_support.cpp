#include "tests/wine/drop_support.h"

#include <shlobj.h>

#include <cstring>

namespace wt {

HDROP MakeDrop(const std::vector<std::string>& files, POINT pt) {
    std::string names;
    for (const std::string& f : files) names += f + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = pt;
    drop->fNC = FALSE;
    drop->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace wt
