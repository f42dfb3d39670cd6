#include "core/sjis.h"

#include <limits>

namespace sjis {

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t CharLength(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) return 2;
    return 1;
}

std::string_view TruncateChars(std::string_view text, std::size_t maxBytes) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos + CharLength(text, pos);
        if (next > maxBytes) break;
        pos = next;
    }
    return text.substr(0, pos);
}

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    std::size_t start = 0;
    if (path.size() >= 2 && !IsLeadByte(static_cast<unsigned char>(path[0])) && path[1] == ':') {
        parts.drive = std::string(path.substr(0, 2));
        start = 2;
    }
    std::size_t nameStart = start;
    std::size_t lastDot = std::string_view::npos;
    for (std::size_t pos = start; pos < path.size();) {
        std::size_t len = CharLength(path, pos);
        if (len == 1) {
            char c = path[pos];
            if (c == '\\' || c == '/') {
                nameStart = pos + 1;
                lastDot = std::string_view::npos;
            } else if (c == '.') {
                lastDot = pos;
            }
        }
        pos += len;
    }
    parts.dir = std::string(path.substr(start, nameStart - start));
    std::size_t nameEnd = lastDot == std::string_view::npos ? path.size() : lastDot;
    parts.fileName = std::string(path.substr(nameStart, nameEnd - nameStart));
    parts.ext = std::string(path.substr(nameEnd));
    return parts;
}

std::string Extension(std::string_view path) {
    return SplitPath(path).ext;
}

namespace {
char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        std::size_t la = CharLength(a, i), lb = CharLength(b, j);
        if (la != lb) return false;
        if (la == 1) {
            if (FoldAscii(a[i]) != FoldAscii(b[j])) return false;
        } else if (a.substr(i, 2) != b.substr(j, 2)) {
            return false;
        }
        i += la;
        j += lb;
    }
    return i == a.size() && j == b.size();
}

namespace {
bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
}  // namespace

std::int32_t ParseDecimal(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    // Accumulate as a negative number: its range holds the magnitude of INT32_MIN.
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 - (text[pos] - '0');
        if (value < kMin) value = kMin;  // saturate; further digits cannot bring it back
    }
    if (!negative) value = value == kMin ? std::numeric_limits<std::int32_t>::max() : -value;
    return static_cast<std::int32_t>(value);
}

std::string_view TrimWhite(std::string_view text) {
    constexpr std::string_view kWhite = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kWhite);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

}  // namespace sjis
