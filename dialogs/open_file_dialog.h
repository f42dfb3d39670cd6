#pragma once

#include <windows.h>

#include <string>

// The open-file dialog over `owner`: filter in "label|pattern|...||" form,
// the initial file name, read-only box hidden. True and the chosen full path
// after OK; a file whose name the program cannot keep is refused with a box
// over `owner`, and false as after Cancel.
bool ChooseOpenFile(HWND owner, const char* barFilter, const char* initialName, std::string& path);
