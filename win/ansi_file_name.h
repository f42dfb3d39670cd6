#pragma once
// File names as the platform gives them (UTF-16) turned into the code page
// 932 text the program keeps, and the box that names the files left out.

#include <windows.h>

#include <string>
#include <vector>

#include "core/file_name_choice.h"

// The text in the ANSI code page; exact only when it converts back to
// `wide` unchanged.
AnsiName AnsiOf(const std::wstring& wide);
// ANSI text as UTF-16, for the wide calls.
std::wstring WideOf(const std::string& ansi);

// The name to keep for the file `wide`, asking the file system for its
// short name when the long one does not fit.
FileNameChoice AnsiFileName(const std::wstring& wide);

// One box over `owner` naming the files left out; none when there are none.
void TellLeftOutFiles(HWND owner, const std::vector<std::string>& shownNames);
