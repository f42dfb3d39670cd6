#include "win/icon_images.h"

#include <vector>

#include "core/icon_sizes.h"

namespace {

constexpr size_t kFileEntry = 16, kGroupEntry = 14;

std::vector<int> IconFileSizes(const std::string& file) {
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    UniqueKernelHandle owner(h);
    // Room for the directory of up to 256 images; a longer one reads as none.
    std::vector<unsigned char> head(6 + 256 * kFileEntry);
    DWORD got = 0;
    if (!ReadFile(h, head.data(), static_cast<DWORD>(head.size()), &got, nullptr)) return {};
    return IconDirectorySizes(head.data(), got, kFileEntry);
}

}  // namespace

SizedIcon IconFileImage(const std::string& file, int wanted) {
    const int size = ChooseIconSize(IconFileSizes(file), wanted);
    if (size == 0) return {};
    HANDLE icon = LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE);
    if (!icon) return {};
    return {UniqueIcon(static_cast<HICON>(icon)), size};
}

UniqueIcon ResourceIconImage(HINSTANCE module, int id, int wanted) {
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return {};
    const int size = ChooseIconSize(IconDirectorySizes(static_cast<const unsigned char*>(bytes),
                                                       SizeofResource(module, info), kGroupEntry),
                                    wanted);
    if (size == 0) return {};
    return UniqueIcon(
        static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0)));
}
