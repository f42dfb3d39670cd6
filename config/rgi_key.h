#pragma once
// Deletes one registry key together with every key below it.

#include <windows.h>

class CRgiKey {
public:
    // The subkey path holds at most 255 characters; a longer one is refused.
    // True only when the key existed and is gone. The root (a predefined
    // key such as HKEY_CURRENT_USER) is left open.
    bool DeleteKey(HKEY root, const char* subKey);
};
