#pragma once
// Every message box of the program: owned by `owner` and captioned with
// the application title.

#include <windows.h>

#include <string>
#include <string_view>

#include "res/resource.h"
#include "win/res_string.h"

inline int ShowAppMessage(HWND owner, std::string_view text, UINT type = MB_OK) {
    return MessageBoxA(owner, std::string(text).c_str(), LoadResString(IDS_APP_TITLE).c_str(),
                       type);
}
