#pragma once
// The shell's icon for a file at one of the sizes of its image lists: the
// small and large icons at the system size, and the extra-large one. (Its
// jumbo list is left alone: for an icon without an image that large,
// Windows fills the jumbo list with a small image in a corner.)

#include <string>

#include "win/icon_images.h"

// The shell's small or large icon for `file`, or the same picture from the
// list ChooseIconSize picks for `wanted` pixels when that is another one.
// Empty when the shell has no icon for the file.
SizedIcon ShellIcon(const std::string& file, bool small, int wanted);
