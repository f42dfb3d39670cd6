#pragma once

#include <string>
#include <string_view>

// An open-file filter written as "label|pattern|label|pattern||" in the
// platform's form: every '|' becomes a NUL, so the list ends in two NULs.
// A '|' that is the second byte of a double-byte character stays.
std::string FileFilterFromBars(std::string_view bars);
