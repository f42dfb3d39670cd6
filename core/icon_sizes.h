#pragma once
// Which of an icon's images to draw at a size, and the image sizes an icon
// directory lists. No platform calls.

#include <cstddef>
#include <vector>

// The image to draw at `wanted` pixels among images of `sizes` pixels: the
// smallest one at least that large, to be scaled down, never up; when none
// is that large, the largest there is. 0 when there are none.
int ChooseIconSize(const std::vector<int>& sizes, int wanted);

// The image sides an icon directory lists: the header of an icon file,
// with 16-byte entries, or an icon group resource, with 14-byte ones. A
// side of 0 stands for 256. Empty when `data` holds no icon directory.
std::vector<int> IconDirectorySizes(const unsigned char* data, std::size_t length,
                                    std::size_t entrySize);
