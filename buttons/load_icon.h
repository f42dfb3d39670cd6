#pragma once
// Turns an icon source (a file and an icon number) into one icon of a fixed
// size. Programs and libraries (".exe", ".dll") give their numbered icons;
// an icon file (".ico") its own images; any other file gives the shell's
// icon for it. Each request replaces the one image of the loader's list and
// hands out a fresh icon drawn from it.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win/handles.h"
#include "win/icon_images.h"

// The colour depth and mask of every icon list on the road to a button.
constexpr UINT kIconListFlags = ILC_COLORDDB | ILC_MASK;  // 0xFF

class CLoadIcon {
public:
    CLoadIcon() = default;
    ~CLoadIcon();
    CLoadIcon(const CLoadIcon&) = delete;
    CLoadIcon& operator=(const CLoadIcon&) = delete;

    // 16-pixel icons when `small`, else 32-pixel ones, both scaled to `dpi`.
    // Called once.
    void SetSmall(bool small, int dpi = 96);
    void SetFile(const std::string& file);
    int GetCount() const { return m_count; }
    // A new icon at the loader's size, owned by the caller; empty when
    // neither the file nor the shell gives one.
    UniqueIcon GetIcon(int index);
    // The same for icon `index` of `file`, for a caller that needs no count:
    // the file is not asked how many icons it holds. For a caller that
    // shows it at `shownSize` pixels, more than the loader's size, an icon
    // file or the shell hands over a larger image of its own as it is, to
    // be scaled down by the caller, rather than one stretched up.
    UniqueIcon GetIcon(const std::string& file, int index, int shownSize = 0);

private:
    // The icon of `file` as the file or the shell hands it over, at 16
    // pixels when `small`, else 32, before any list scales it;
    // `fromShell` tells whether the shell gave it. Beyond 96 DPI the file's
    // own image nearest the scaled size is taken. An icon file and the
    // shell give their image ChooseIconSize picks for `wanted` pixels.
    SizedIcon SourceIcon(const std::string& file, int index, int wanted,
                         bool* fromShell = nullptr) const;
    static UniqueIcon ExtractNumbered(const std::string& file, int index, bool small);
    static UniqueIcon ExtractSized(const std::string& file, int index, int size);
    // Puts `source` into the one-image list and draws a fresh icon from it.
    UniqueIcon ThroughList(UniqueIcon source);

    bool m_small = false;
    int m_dpi = 96;
    int m_size = 32;
    int m_count = 0;
    UniqueImageList m_imageList;
    std::string m_file;
    std::string m_ext;
};
