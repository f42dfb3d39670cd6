#pragma once
// Counts the platform objects the program itself makes, however it holds
// them. While a ledger lives, the creating calls of the program (windows,
// menus, icons, image lists, fonts, brushes, pens, registry keys) are
// recorded, and Live() asks the platform which of them still exist: a
// handle leaked raw, outside any owner, shows up here. It also records the
// dropped-file handles the program finished, the targets it handed to the
// shell and the registry values it set and keys it deleted, in order. One
// ledger at a time.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wt {

enum class Kind { Window, Menu, Icon, ImageList, Gdi, Key, Count };

struct LiveCounts {
    int counts[static_cast<int>(Kind::Count)] = {};
    int operator[](Kind kind) const { return counts[static_cast<int>(kind)]; }
    bool operator==(const LiveCounts&) const = default;
};
std::string Describe(const LiveCounts& counts);

// What the program's own handle owners hold alive.
struct OwnCounts {
    long icons, imageLists, fonts, brushes, pens, windows, menus;
    bool operator==(const OwnCounts&) const = default;
};
OwnCounts CountOwned();
std::string Describe(const OwnCounts& counts);

class HandleLedger {
public:
    HandleLedger();
    ~HandleLedger();
    HandleLedger(const HandleLedger&) = delete;
    HandleLedger& operator=(const HandleLedger&) = delete;

    // Objects made since the ledger began that the platform still has.
    LiveCounts Live() const;
    // DragFinish calls.
    int FinishedDrops() const;
    // The files handed to ShellExecuteA or ShellExecuteW, in order.
    std::vector<std::string> ShellStarts() const;
    // The values written and keys deleted, in order: "Setting:Option",
    // "Page5:(deleted)", each key below the program's root.
    std::vector<std::string> WrittenValues() const;
    void ClearWrittenValues();

    // Runs `step` `times` times and expects exactly the objects alive
    // before to be alive after.
    void ExpectNoGrowth(int times, const std::function<void()>& step) const;
};

}  // namespace wt
