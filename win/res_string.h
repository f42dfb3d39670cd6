#pragma once

#include <windows.h>

#include <string>

// A string of this module's string table, as Shift-JIS; empty when missing.
inline std::string LoadResString(UINT id) {
    char text[512];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}
