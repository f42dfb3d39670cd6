#include "bar/tool_tip_text.h"

#include "core/sjis.h"

std::string ToolTipText(const ButtonEntry& entry) {
    if (!entry.Title.empty()) return entry.Title;
    sjis::PathParts parts = sjis::SplitPath(entry.AppName);
    std::string name = parts.fileName + parts.ext;
    return name.empty() ? entry.AppName : name;
}
