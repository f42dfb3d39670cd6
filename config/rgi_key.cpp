#include "config/rgi_key.h"

#include <cstring>

bool CRgiKey::DeleteKey(HKEY root, const char* subKey) {
    char path[256];
    if (!subKey || std::strlen(subKey) >= sizeof path || !*subKey) return false;
    std::strcpy(path, subKey);
    // RegDeleteKeyA refuses a key that still has subkeys (a page key always
    // has Button and Btn<n>), so the whole tree goes at once.
    return RegDeleteTreeA(root, path) == ERROR_SUCCESS;
}
