#include "core/icon_sizes.h"

namespace {

int Word(const unsigned char* p) {
    return p[0] | p[1] << 8;
}

}  // namespace

int ChooseIconSize(const std::vector<int>& sizes, int wanted) {
    int above = 0, largest = 0;
    for (int size : sizes) {
        if (size <= 0) continue;
        if (size > largest) largest = size;
        if (size >= wanted && (above == 0 || size < above)) above = size;
    }
    return above ? above : largest;
}

std::vector<int> IconDirectorySizes(const unsigned char* data, std::size_t length,
                                    std::size_t entrySize) {
    constexpr std::size_t kHeader = 6;
    constexpr int kIconType = 1;  // 2 would be a cursor
    if (!data || length < kHeader || Word(data) != 0 || Word(data + 2) != kIconType) return {};
    const std::size_t count = Word(data + 4);
    if (entrySize == 0 || (length - kHeader) / entrySize < count) return {};
    std::vector<int> sizes;
    for (std::size_t k = 0; k < count; ++k) {
        const int side = data[kHeader + k * entrySize];
        sizes.push_back(side ? side : 256);
    }
    return sizes;
}
