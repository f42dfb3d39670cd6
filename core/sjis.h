#pragma once
// Shift-JIS (code page 932) text helpers that work on raw byte strings.
// Every scan steps over double-byte characters as units, so a trail byte
// (which may be 0x5C, the backslash) is never taken for an ASCII character.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sjis {

// True for the lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
bool IsLeadByte(unsigned char c);

// Length in bytes of the character that starts at pos: 2 for a lead byte
// followed by another byte, otherwise 1 (a lone lead byte at the end is one
// character, and nothing is read past the end).
std::size_t CharLength(std::string_view text, std::size_t pos);

// Cuts text to at most maxBytes bytes without splitting a double-byte character.
std::string_view TruncateChars(std::string_view text, std::size_t maxBytes);

struct PathParts {
    std::string drive;     // "C:" when the second character is a colon
    std::string dir;       // up to and including the last '\' or '/'
    std::string fileName;  // without extension
    std::string ext;       // from the last dot of the file name, dot included
};

PathParts SplitPath(std::string_view path);

// The extension of path as SplitPath finds it.
std::string Extension(std::string_view path);

// Without the white space (blank, tab, line breaks) at either end. No byte
// of a double-byte character is white space, so bytes can be trimmed.
std::string_view TrimWhite(std::string_view text);

// Compares without regard to ASCII letter case; double-byte characters are
// compared whole and are never folded.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Decimal conversion: leading blanks skipped, optional sign, digits up to the
// first non-digit; no digits give 0. Saturates at the limits of int32.
std::int32_t ParseDecimal(std::string_view text);

}  // namespace sjis
