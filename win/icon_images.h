#pragma once
// Icons taken at one of their own image sizes: the sizes an icon file or
// an icon resource holds are read, ChooseIconSize picks one, and that image
// is loaded as it is, unscaled.

#include <windows.h>

#include <string>

#include "win/handles.h"

// An icon and the side of the image it was taken from.
struct SizedIcon {
    UniqueIcon icon;
    int size = 0;
};

// The image of the icon file `file` (.ico) chosen for `wanted` pixels;
// empty when the file cannot be read as an icon file.
SizedIcon IconFileImage(const std::string& file, int wanted);

// The image of icon resource `id` of `module` chosen for `wanted` pixels.
// Loaded unshared, so each call gives the size it asks for: the caller
// owns it.
UniqueIcon ResourceIconImage(HINSTANCE module, int id, int wanted);
