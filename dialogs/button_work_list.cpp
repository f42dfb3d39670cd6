#include "dialogs/button_work_list.h"

#include <utility>

#include "core/sjis.h"
#include "res/texts.h"

ListProblem CheckSelected(int count, int selection) {
    if (count <= 0) return ListProblem::Empty;
    if (selection < 0) return ListProblem::NoSelection;
    return ListProblem::None;
}

ListProblem CheckDeletable(int count, int selection) {
    if (selection < 0) return ListProblem::NoSelection;
    if (count <= 0) return ListProblem::Empty;
    return ListProblem::None;
}

std::string_view ListProblemText(ListProblem problem) {
    switch (problem) {
        case ListProblem::Empty:
            return TXT_LIST_EMPTY;
        case ListProblem::NoSelection:
            return TXT_NO_SELECTION;
        case ListProblem::None:
            break;
    }
    return {};
}

int InsertPosition(int count, int selection) {
    if (count <= 0) return 0;
    return selection >= 0 && selection < count ? selection : count;
}

std::string DefaultPageName(int page) {
    return TXT_PAGE_NAME_PREFIX + std::to_string(page);
}

int ButtonWorkList::Insert(int selection, const ButtonEntry& entry) {
    const int line = InsertPosition(Count(), selection);
    m_entries.insert(m_entries.begin() + line, entry);
    return line;
}

void ButtonWorkList::Replace(int line, const ButtonEntry& entry) {
    if (Holds(line)) m_entries[static_cast<size_t>(line)] = entry;
}

void ButtonWorkList::Remove(int line) {
    if (Holds(line)) m_entries.erase(m_entries.begin() + line);
}

int ButtonWorkList::MoveUp(int line) {
    if (!Holds(line) || line == 0) return -1;
    std::swap(m_entries[static_cast<size_t>(line)], m_entries[static_cast<size_t>(line - 1)]);
    return line - 1;
}

int ButtonWorkList::MoveDown(int line) {
    if (!Holds(line) || line + 1 >= Count()) return -1;
    std::swap(m_entries[static_cast<size_t>(line)], m_entries[static_cast<size_t>(line + 1)]);
    return line + 1;
}
