#pragma once
// The floor: the platform calls a page load has to make, made bare in a
// loop with no program around them, timed by kind.

#include <windows.h>

#include <string>

namespace bench {

struct FloorSplit {
    double store = 0, window = 0, extraction = 0, imageList = 0, tool = 0, teardown = 0;
    double Total() const { return store + window + extraction + imageList + tool + teardown; }
};

// Loads page `page` of the store at HKCU\<root> into `parent` as bare
// calls, after tearing down what the previous call made; per-kind times
// in milliseconds for the whole page.
class FloorLoader {
public:
    FloorLoader(HWND parent, std::string root);
    ~FloorLoader();
    FloorLoader(const FloorLoader&) = delete;
    FloorLoader& operator=(const FloorLoader&) = delete;

    FloorSplit Load(int page);

private:
    void TearDown(FloorSplit& split);

    HWND m_parent;
    HWND m_tips;
    std::string m_root;
    struct Made;
    Made* m_made;
};

}  // namespace bench
