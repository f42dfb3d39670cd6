#include "config/entry_text.h"

#include "core/sjis.h"

std::string EntryText(const ButtonEntry& entry) {
    if (!entry.Title.empty()) return entry.Title;
    sjis::PathParts parts = sjis::SplitPath(entry.AppName);
    std::string name = parts.fileName + parts.ext;
    return name.empty() ? entry.AppName : name;
}
