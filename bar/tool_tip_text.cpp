#include "bar/tool_tip_text.h"

#include "config/entry_text.h"

std::string ToolTipText(const ButtonEntry& entry) {
    return EntryText(entry);
}
