// The bar button takes a cheaper road to its icon (one size extracted where
// that is the same, no icon count, a road shared by the buttons of one
// load); its icons must be the very pixels of the loader's plain road
// (both sizes extracted, a list at 16 or 32 pixels, then the button's
// list). Every icon of a set of real files, at every icon size.

#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>
#include <commoncontrols.h>

#include <climits>
#include <string>
#include <vector>

#include "buttons/bar_button.h"
#include "buttons/button_host.h"
#include "buttons/icon_cache.h"
#include "tests/wine/probe_support.h"

namespace {

constexpr UINT kListFlags = ILC_COLORDDB | ILC_MASK;

struct Bits {
    int width = 0, height = 0;
    std::vector<DWORD> colour, mask;
    bool operator==(const Bits&) const = default;
};

std::vector<DWORD> Pixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> bits(static_cast<size_t>(width) * height);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, height, bits.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return bits;
}

Bits BitsOf(HICON icon) {
    Bits b;
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return b;
    BITMAP bm{};
    GetObjectA(info.hbmMask, sizeof bm, &bm);
    b.width = bm.bmWidth;
    b.height = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    b.mask = Pixels(info.hbmMask, bm.bmWidth, bm.bmHeight);
    if (info.hbmColor) b.colour = Pixels(info.hbmColor, b.width, b.height);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return b;
}

// Where two icons differ, for the failure message.
std::string Difference(const Bits& a, const Bits& b) {
    if (a.width != b.width || a.height != b.height || a.colour.size() != b.colour.size())
        return "sizes " + std::to_string(a.width) + " and " + std::to_string(b.width);
    int colour = 0, mask = 0;
    std::string first;
    for (size_t i = 0; i < a.colour.size(); ++i) {
        if (a.colour[i] != b.colour[i] && colour++ == 0) {
            char text[64];
            snprintf(text, sizeof text, " first at %zu: %08lx vs %08lx", i, a.colour[i],
                     b.colour[i]);
            first = text;
        }
    }
    for (size_t i = 0; i < a.mask.size(); ++i) mask += a.mask[i] != b.mask[i];
    return std::to_string(colour) + " colour and " + std::to_string(mask) + " mask pixels differ;" +
           first;
}

bool HasExtension(const std::string& file, const char* ext) {
    return file.size() > 4 && lstrcmpiA(file.substr(file.size() - 4).c_str(), ext) == 0;
}

bool Numbered(const std::string& file) {
    return HasExtension(file, ".exe") || HasExtension(file, ".dll");
}

using wt::ShellExtraLarge;
using wt::ThroughList;

// The slow road, in plain platform calls: both sizes extracted, the one
// wanted put through a 16- or 32-pixel list, then through the button's. An
// icon file gives its own image; for a button icon above 32 pixels the
// shell gives its 48-pixel image, straight to the button's list.
Bits SlowRoad(const std::string& file, int index, int iconBits, int btnSize) {
    const bool small = index == 0 && !(iconBits & (OPT_FITICON | OPT_LARGEICON));
    const int side = ButtonIconSize(iconBits, btnSize);
    HICON source = nullptr;
    if (Numbered(file)) {
        HICON large = nullptr, smallIcon = nullptr;
        UINT got = ExtractIconExA(file.c_str(), index, &large, &smallIcon, 1);
        if (got != 0 && got != UINT_MAX) {
            source = small ? smallIcon : large;
            DestroyIcon(small ? large : smallIcon);
        }
    }
    // (The test's icon file holds a 16- and a 32-pixel image.)
    if (!source && HasExtension(file, ".ico"))
        source = static_cast<HICON>(LoadImageA(nullptr, file.c_str(), IMAGE_ICON, small ? 16 : 32,
                                               small ? 16 : 32, LR_LOADFROMFILE));
    SHFILEINFOA info{};
    const bool fromShell =
        !source && SHGetFileInfoA(file.c_str(), 0, &info, sizeof info,
                                  SHGFI_ICON | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON));
    if (fromShell) source = info.hIcon;
    HICON loaded =
        fromShell && side > 32 ? ShellExtraLarge(info.iIcon) : ThroughList(source, small ? 16 : 32);
    DestroyIcon(source);
    HICON fallback = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(136));
    HICON shown = ThroughList(loaded ? loaded : fallback, side);
    DestroyIcon(loaded);
    Bits bits = BitsOf(shown);
    DestroyIcon(shown);
    return bits;
}

// The button's menu is never opened here: its host is never asked.
class NoHost : public CButtonHost {
public:
    bool EditEntry(ButtonEntry&) override { return false; }
    void SaveButton(int, int, const ButtonEntry&) override {}
    void UpdateButton(int, const ButtonEntry&) override {}
    void DeleteButton(CBarButton*) override {}
};

Bits ButtonIcon(HWND parent, const std::string& file, int index, int iconBits, int btnSize,
                CIconCache* share, int dpi = 96) {
    NoHost host;
    CBarButton button;
    EXPECT_TRUE(button.Create(parent, host, RECT{0, 0, btnSize, btnSize}, 500));
    ButtonEntry entry;
    entry.AppName = file;
    entry.IconIndex = index;
    button.Setup(1, 0, entry, iconBits, btnSize, share, dpi);
    return BitsOf(
        reinterpret_cast<HICON>(SendMessageA(button.Handle(), BM_GETIMAGE, IMAGE_ICON, 0)));
}

struct Source {
    std::string file;
    int step;  // every icon, or every step-th of a large library
};

// Runs for several seconds under Wine: CTest runs it with the slow tests.
TEST(SlowIconIdentity, ButtonIconsAreThePixelsOfTheLoadersRoad) {
    const std::string sys = "C:\\windows\\system32\\";
    const std::vector<Source> sources = {
        {"C:\\windows\\notepad.exe", 1},
        {"C:\\windows\\regedit.exe", 1},
        {sys + "winemine.exe", 1},
        {sys + "taskmgr.exe", 1},
        {sys + "user32.dll", 1},
        {sys + "shell32.dll", 23},
        {wt::TestDir() + "icons20.dll", 1},
        {wt::TestDir() + "launch_probe.exe", 1},
        {wt::TestDir() + "test_icons\\icon05.ico", 1},
        {wt::TestDir() + "probe_applet.cpl", 1},
        {sys + "joy.cpl", 1},
        {"C:\\windows\\win.ini", 1},
        {"C:\\windows", 1},
        {"C:\\no\\such\\tool.exe", 1},
    };
    struct Page {
        int bits, size;
    };
    const Page pages[] = {{0, 34}, {OPT_LARGEICON, 34}, {OPT_FITICON, 34}, {OPT_FITICON, 50}};
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    int compared = 0;
    // As in the bar, where the icons of every page seen are kept.
    CIconCache share;
    for (const Source& s : sources) {
        UINT count = Numbered(s.file) ? ExtractIconExA(s.file.c_str(), -1, nullptr, nullptr, 1) : 1;
        if (count == UINT_MAX || count == 0) count = 1;
        // One number past the last gives the shell's icon on both roads.
        for (UINT index = 0; index <= count; index += s.step) {
            for (const Page& page : pages) {
                SCOPED_TRACE(s.file + " #" + std::to_string(index) + " bits " +
                             std::to_string(page.bits) + " size " + std::to_string(page.size));
                const Bits expected = SlowRoad(s.file, index, page.bits, page.size);
                ASSERT_GT(expected.width, 0);
                const Bits alone = ButtonIcon(parent, s.file, index, page.bits, page.size, nullptr);
                EXPECT_TRUE(alone == expected) << Difference(alone, expected);
                const Bits shared = ButtonIcon(parent, s.file, index, page.bits, page.size, &share);
                EXPECT_TRUE(shared == expected) << "shared: " << Difference(shared, expected);
                const Bits again = ButtonIcon(parent, s.file, index, page.bits, page.size, &share);
                EXPECT_TRUE(again == expected) << "kept: " << Difference(again, expected);
                ++compared;
            }
        }
    }
    DestroyWindow(parent);
    EXPECT_GT(compared, 200);
}

// Beyond 96 DPI a button shows the file's own image of the scaled size,
// not its 32-pixel image stretched.
TEST(IconIdentity, At144DpiTheFilesOwn48PixelImageIsShown) {
    const std::string file = "C:\\windows\\notepad.exe";
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    CIconCache share(144);
    const Bits shown = ButtonIcon(parent, file, 0, OPT_LARGEICON, 51, &share, 144);
    const Bits fallback =
        ButtonIcon(parent, "C:\\no\\such\\tool.exe", 0, OPT_LARGEICON, 51, &share, 144);
    DestroyWindow(parent);
    HICON own = nullptr, large = nullptr;
    UINT id = 0;
    ASSERT_EQ(PrivateExtractIconsA(file.c_str(), 0, 48, 48, &own, &id, 1, 0), 1u);
    ASSERT_EQ(ExtractIconExA(file.c_str(), 0, &large, nullptr, 1), 1u);
    auto road = [](HICON source) {
        HICON once = ThroughList(source, 48), twice = ThroughList(once, 48);
        Bits bits = BitsOf(twice);
        for (HICON icon : {source, once, twice}) DestroyIcon(icon);
        return bits;
    };
    const Bits expected = road(own), stretched = road(large);
    EXPECT_EQ(shown.width, 48);
    EXPECT_TRUE(shown == expected) << Difference(shown, expected);
    EXPECT_FALSE(shown == stretched) << "the file's 32-pixel image, stretched";
    // A target without an icon shows the program's own image of that size.
    const Bits own48 = road(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(136), IMAGE_ICON, 48, 48, 0)));
    EXPECT_TRUE(fallback == own48) << Difference(fallback, own48);
}

}  // namespace
