#pragma once
// Work the buttons of one page load share: the loader's road from an icon
// source to an icon at 16 or 32 pixels is taken once per file, icon number
// and size, whichever button asks, through one loader of each size. It
// lives for one page load only, so a file's icons are read afresh at the
// next load.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "buttons/load_icon.h"
#include "win/handles.h"

class CIconShare {
public:
    CIconShare() = default;
    CIconShare(const CIconShare&) = delete;
    CIconShare& operator=(const CIconShare&) = delete;

    // Icon `index` of `file` at 16 pixels when `small` is nonzero, else 32;
    // owned by the share (nullptr when neither file nor shell has one).
    HICON Get(const std::string& file, int index, int small);

private:
    CLoadIcon& Loader(int small);

    std::optional<CLoadIcon> m_loaders[2];  // 32 and 16 pixels, made when first asked
    std::map<std::tuple<std::string, int, int>, UniqueIcon> m_icons;
};
