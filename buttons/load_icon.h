#pragma once
// Turns an icon source (a file and an icon number) into one icon of a fixed
// size. Programs and libraries (".exe", ".dll") give their numbered icons;
// any other file gives the shell's icon for it. Each request replaces the
// one image of the loader's list and hands out a fresh icon drawn from it.

#include <windows.h>

#include <string>

#include "win/handles.h"

class CLoadIcon {
public:
    CLoadIcon() = default;
    ~CLoadIcon();
    CLoadIcon(const CLoadIcon&) = delete;
    CLoadIcon& operator=(const CLoadIcon&) = delete;

    // Nonzero: 16-pixel icons; zero: 32-pixel icons, both scaled to `dpi`.
    // Called once.
    void SetSmall(int small, int dpi = 96);
    void SetFile(const std::string& file);
    int GetCount() const { return m_count; }
    // A new icon at the loader's size, owned by the caller; empty when
    // neither the file nor the shell gives one.
    UniqueIcon GetIcon(int index);
    // The same for icon `index` of `file`, for a caller that needs no count:
    // the file is not asked how many icons it holds.
    UniqueIcon GetIcon(const std::string& file, int index);

private:
    // The icon of `file` as the file or the shell hands it over, at 16
    // pixels when `small` is nonzero, else 32, before any list scales it;
    // `fromShell` tells whether the shell gave it. Beyond 96 DPI the file's
    // own image nearest the scaled size is taken.
    UniqueIcon SourceIcon(const std::string& file, int index, bool* fromShell = nullptr) const;
    static UniqueIcon ExtractNumbered(const std::string& file, int index, int small);
    static UniqueIcon ExtractSized(const std::string& file, int index, int size);
    static UniqueIcon ShellIcon(const std::string& file, int small);
    // Puts `source` into the one-image list and draws a fresh icon from it.
    UniqueIcon ThroughList(UniqueIcon source);

    int m_small = 0;
    int m_dpi = 96;
    int m_size = 32;
    int m_count = 0;
    UniqueImageList m_imageList;
    std::string m_file;
    std::string m_ext;
};
