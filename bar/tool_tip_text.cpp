#include "bar/tool_tip_text.h"

#include "config/entry_text.h"

std::string ToolTipText(const ButtonEntry& entry) {
    return EntryText(entry);
}

int TipTextWidth(int workWidth) {
    // Room for the tip's margins and border on either side.
    constexpr int kFrame = 8;
    // Below this a tip is unreadable anyway; it is never made narrower.
    constexpr int kNarrowest = 32;
    return workWidth - 2 * kFrame > kNarrowest ? workWidth - 2 * kFrame : kNarrowest;
}
