#include "dialogs/file_filter.h"

#include "core/sjis.h"

std::string FileFilterFromBars(std::string_view bars) {
    std::string filter;
    filter.reserve(bars.size() + 2);
    for (size_t pos = 0; pos < bars.size();) {
        const size_t length = sjis::CharLength(bars, pos);
        if (length == 1 && bars[pos] == '|')
            filter += '\0';
        else
            filter.append(bars.substr(pos, length));
        pos += length;
    }
    // The platform reads up to two NULs: make sure there are.
    filter.append(2, '\0');
    return filter;
}
