#pragma once
// The floor: what a page load has to do, made in a loop with no bar around
// it, timed by kind. The store and the icons come through the program's
// own store and icon loader, the tool through its tool-tip control; the
// windows and the button's list are bare platform calls.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "bar/tool_tip.h"
#include "win/handles.h"

class LauncherStore;

namespace bench {

struct FloorSplit {
    double store = 0, window = 0, icon = 0, imageList = 0, tool = 0, teardown = 0;
    double Total() const { return store + window + icon + imageList + tool + teardown; }
};

// Loads page `page` of the store of application key `appKey` into
// `parent`, after tearing down what the previous call made; per-kind
// times in milliseconds for the whole page. Every button's icon takes the
// loader's road (the file's icon through a list at 16 or 32 pixels), as
// the bar's does, so the floor shows the same pixels; unlike the bar's
// load, no two buttons share an icon.
class FloorLoader {
public:
    FloorLoader(HWND parent, const std::string& appKey);
    ~FloorLoader();
    FloorLoader(const FloorLoader&) = delete;
    FloorLoader& operator=(const FloorLoader&) = delete;

    FloorSplit Load(int page);

private:
    // One button made; the window goes first, then what it shows.
    struct Made {
        UniqueImageList list;
        UniqueIcon shown;
        UniqueWindow wnd;
        UINT id = 0;
    };
    void TearDown(FloorSplit& split);
    void AddButton(int page, int k, int iconSize, FloorSplit& split);

    HWND m_parent;
    std::unique_ptr<LauncherStore> m_store;
    CToolTip m_tips;
    std::vector<Made> m_made;
};

}  // namespace bench
