#pragma once
// Texts of the bar's two menus.

#include <ctime>
#include <string>

// The page menu's label for page p: "&%d %s" for pages 1 to 9, so the digit
// is the access key, the bare name from 10 on; an empty name is "Page%d".
std::string PageMenuLabel(int page, const std::string& name);

// The last line of the bar's menu in the vertical layout.
std::string CurrentTimeLabel(const std::tm& time);
