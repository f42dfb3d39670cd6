#pragma once
// The working copy of a page's buttons in the add-and-remove dialog, and
// the rules of its operations. The dialog mirrors every change on its list
// box, line for line; -1 stands for "no line selected".

#include <string>
#include <string_view>
#include <vector>

#include "config/records.h"

// What keeps an operation on the selected line from running.
enum class ListProblem {
    None,
    Empty,        // the list has no lines
    NoSelection,  // no line is selected
};

// Moving and editing look at the lines first, deleting at the selection.
ListProblem CheckSelected(int count, int selection);
ListProblem CheckDeletable(int count, int selection);

// The message for a problem; empty for ListProblem::None.
std::string_view ListProblemText(ListProblem problem);

// A new button goes before the selected one, or after the last line.
int InsertPosition(int count, int selection);

// Lines the add-and-remove dialog accepts.
constexpr int kMinLineCount = 1;
constexpr int kMaxLineCount = 50;

// The name a page gets when its name is left empty: "Page" and its number.
std::string DefaultPageName(int page);

class ButtonWorkList {
public:
    ButtonWorkList() = default;

    int Count() const { return static_cast<int>(m_entries.size()); }
    const ButtonEntry& At(int line) const { return m_entries.at(static_cast<size_t>(line)); }
    void Clear() { m_entries.clear(); }
    void Append(const ButtonEntry& entry) { m_entries.push_back(entry); }
    const std::vector<ButtonEntry>& Entries() const { return m_entries; }

    // Inserts at InsertPosition(selection); the line the entry is on.
    int Insert(int selection, const ButtonEntry& entry);
    void Replace(int line, const ButtonEntry& entry);
    void Remove(int line);
    // Exchanges the line with the one above (below); the line the entry
    // moved to, or -1 when it stays where it is.
    int MoveUp(int line);
    int MoveDown(int line);

private:
    bool Holds(int line) const { return line >= 0 && line < Count(); }

    std::vector<ButtonEntry> m_entries;
};
