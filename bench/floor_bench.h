#pragma once
// The floor: the platform calls a page load has to make, made bare in a
// loop with no program around them, timed by kind.

#include <windows.h>

#include <string>

namespace bench {

struct FloorSplit {
    double store = 0, window = 0, extraction = 0, loaderList = 0, imageList = 0, tool = 0;
    double teardown = 0;
    double Total() const {
        return store + window + extraction + loaderList + imageList + tool + teardown;
    }
};

// Loads page `page` of the store at HKCU\<root> into `parent` as bare
// calls, after tearing down what the previous call made; per-kind times
// in milliseconds for the whole page. With `samePixels` each icon also
// passes through a list at its extracted size (16 or 32) before the
// button's list, as the loader's road does: a list that keeps alpha hands
// back other pixels at the edges of alpha icons, so this is the floor for
// the same icons.
class FloorLoader {
public:
    FloorLoader(HWND parent, std::string root, bool samePixels);
    ~FloorLoader();
    FloorLoader(const FloorLoader&) = delete;
    FloorLoader& operator=(const FloorLoader&) = delete;

    FloorSplit Load(int page);

private:
    void TearDown(FloorSplit& split);

    HWND m_parent;
    bool m_samePixels;
    HWND m_tips;
    std::string m_root;
    struct Made;
    Made* m_made;
};

}  // namespace bench
