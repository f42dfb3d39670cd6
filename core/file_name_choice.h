#pragma once
// Which name of a file the program keeps. Everything it stores and hands on
// is code page 932 text; a name that page cannot hold is replaced by the
// file's short (8.3) name when that one fits, and otherwise the file is left
// out and the user is told.

#include <optional>
#include <string>
#include <vector>

// A name converted to code page 932, and whether the bytes give the name
// back exactly: no character replaced by a look-alike or a default.
struct AnsiName {
    std::string bytes;
    bool exact = false;
};

enum class FileNameKind { Exact, ShortName, Refused };

struct FileNameChoice {
    FileNameKind kind = FileNameKind::Refused;
    std::string path;   // the name to keep; empty when refused
    std::string shown;  // the name as far as code page 932 shows it
    bool operator==(const FileNameChoice&) const = default;
};

// `shortName` is the short name converted, when the file has one.
FileNameChoice ChooseFileName(const AnsiName& full, const std::optional<AnsiName>& shortName);

// How many left-out names the box lists; the rest are counted.
constexpr size_t kListedLeftOutNames = 10;

// The text that tells which files were left out, one shown name a line.
std::string LeftOutFilesText(const std::vector<std::string>& shownNames);
