#pragma once
// Work the buttons of one page load share: the loader's road from an icon
// source to an icon at 16 or 32 pixels is taken once per file, icon number
// and sizes, whichever button asks, through one loader of each size. It
// lives for one page load only, so a file's icons are read afresh at the
// next load.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "buttons/load_icon.h"
#include "core/dpi_scale.h"
#include "win/handles.h"

class CIconShare {
public:
    // Icons at 16 and 32 pixels scaled to `dpi`.
    explicit CIconShare(int dpi = kBaseDpi) : m_dpi(dpi) {}
    CIconShare(const CIconShare&) = delete;
    CIconShare& operator=(const CIconShare&) = delete;

    // Icon `index` of `file` at 16 pixels when `small`, else 32, or a
    // larger image of an icon file or the shell for a button that shows it
    // at `shownSize` pixels (see CLoadIcon::GetIcon); owned by the share
    // (nullptr when neither file nor shell has one).
    HICON Get(const std::string& file, int index, bool small, int shownSize);

private:
    // The loader of 32 (which 0) or 16 pixels (which 1), made when first asked.
    CLoadIcon& Loader(int which);

    int m_dpi;
    std::optional<CLoadIcon> m_loaders[2];
    std::map<std::tuple<std::string, int, int, int>, UniqueIcon> m_icons;
};
