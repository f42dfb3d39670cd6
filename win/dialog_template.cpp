#include "win/dialog_template.h"

namespace {

// The extended template begins with version 1 and the signature 0xFFFF.
// Before its cx and cy it holds the version and the signature, the help
// id, the extended style, the style, the number of items, x and y; the
// classic one only the style, the extended style, the number of items, x
// and y. All fields are little-endian.
constexpr std::size_t kExSizeOffset = 22;
constexpr std::size_t kClassicSizeOffset = 14;

int ReadShort(const unsigned char* at) {
    return static_cast<short>(at[0] | (at[1] << 8));
}

bool IsExtended(const unsigned char* bytes, std::size_t size) {
    return size >= 4 && bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0xFF && bytes[3] == 0xFF;
}

}  // namespace

std::optional<TemplateSize> ReadTemplateSize(const unsigned char* bytes, std::size_t size) {
    if (!bytes) return std::nullopt;
    const std::size_t offset = IsExtended(bytes, size) ? kExSizeOffset : kClassicSizeOffset;
    if (size < offset + 4) return std::nullopt;
    const TemplateSize result{ReadShort(bytes + offset), ReadShort(bytes + offset + 2)};
    if (result.cx < 0 || result.cy < 0) return std::nullopt;
    return result;
}
