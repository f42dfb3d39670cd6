// Icons: the loader on libraries, programs and other files, and the icon
// each bar button shows at its page's icon size.

#include "buttons/load_icon.h"

#include <shlobj.h>

#include "tests/wine/bar_fixture.h"
#include "tests/wine/handle_ledger.h"
#include "tests/wine/probe_support.h"

namespace {

std::string Library() {
    return wt::TestDir() + "icons20.dll";
}
std::string Program() {
    return wt::TestDir() + "launch_probe.exe";
}

// Icon k of the library is one colour: red 10k+5, green 200 in its large
// image and 100 in its small one, blue 50.
COLORREF LibraryColour(int k, bool small) {
    return RGB(10 * k + 5, small ? 100 : 200, 50);
}

COLORREF Centre(HICON icon) {
    const int size = wt::IconSize(icon);
    return wt::IconPixel(icon, size / 2, size / 2);
}

// The small icon the platform itself extracts for icon k of the library.
// (Wine hands the large image scaled down rather than the 16-pixel image.)
COLORREF PlatformSmallColour(int k) {
    HICON large = nullptr, small = nullptr;
    if (ExtractIconExA(Library().c_str(), k, &large, &small, 1) != 2) return CLR_INVALID;
    COLORREF c = Centre(small);
    DestroyIcon(large);
    DestroyIcon(small);
    return c;
}

TEST(IconLoader, LibraryWithTwentyIcons) {
    for (int small : {0, 1}) {
        SCOPED_TRACE(small ? "small" : "large");
        CLoadIcon loader;
        loader.SetSmall(small);
        loader.SetFile(Library());
        EXPECT_EQ(loader.GetCount(), 20);
        for (int k : {0, 3, 19}) {
            UniqueIcon icon = loader.GetIcon(k);
            ASSERT_TRUE(icon);
            EXPECT_EQ(wt::IconSize(icon.Get()), small ? 16 : 32);
            EXPECT_EQ(Centre(icon.Get()), small ? PlatformSmallColour(k) : LibraryColour(k, false))
                << "icon " << k;
            if (small) {
                EXPECT_EQ(Centre(icon.Get()) & 0xFF, 10u * k + 5) << "icon " << k;
            }
        }
        EXPECT_EQ(loader.GetCount(), 20) << "numbered icons leave the count alone";
    }
}

TEST(IconLoader, ExtensionCaseDoesNotMatter) {
    const std::string base = Library().substr(0, Library().size() - 4);
    for (const char* ext : {".DLL", ".Dll", ".dLl"}) {
        SCOPED_TRACE(ext);
        CLoadIcon loader;
        loader.SetSmall(0);
        loader.SetFile(base + ext);
        EXPECT_EQ(loader.GetCount(), 20);
        UniqueIcon icon = loader.GetIcon(7);
        ASSERT_TRUE(icon);
        EXPECT_EQ(Centre(icon.Get()), LibraryColour(7, false));
    }
}

TEST(IconLoader, OutOfRangeNumberGivesTheShellIcon) {
    CLoadIcon loader;
    loader.SetSmall(0);
    loader.SetFile(Library());
    UniqueIcon icon = loader.GetIcon(25);
    ASSERT_TRUE(icon) << "the shell's icon, not an error";
    EXPECT_EQ(wt::IconSize(icon.Get()), 32);
    EXPECT_EQ(loader.GetCount(), 1);
    for (int k = 0; k < 20; ++k) EXPECT_NE(Centre(icon.Get()), LibraryColour(k, false));
}

TEST(IconLoader, ProgramWithoutIcons) {
    const std::string exe = Program().substr(0, Program().size() - 4) + ".Exe";
    CLoadIcon loader;
    loader.SetSmall(1);
    loader.SetFile(exe);
    EXPECT_EQ(loader.GetCount(), 0);
    UniqueIcon icon = loader.GetIcon(0);
    ASSERT_TRUE(icon);
    EXPECT_EQ(wt::IconSize(icon.Get()), 16);
    EXPECT_EQ(loader.GetCount(), 1);
}

TEST(IconLoader, OtherFilesGetTheShellIconAndCountOne) {
    const std::string dir = wt::ScratchDir("tarvix-icons");
    wt::CopyTo(Program(), dir + "tool.com");
    wt::CopyTo(wt::TestDir() + "probe_applet.cpl", dir + "applet.cpl");
    wt::CopyTo(wt::TestDir() + "test_icons\\icon05.ico", dir + "five.ico");
    CloseHandle(CreateFileA((dir + "memo.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                            nullptr));
    for (const char* name : {"tool.com", "applet.cpl", "five.ico", "memo.txt", ""}) {
        SCOPED_TRACE(name);
        CLoadIcon loader;
        loader.SetSmall(0);
        loader.SetFile(*name ? dir + name : "");
        EXPECT_EQ(loader.GetCount(), 1);
        UniqueIcon icon = loader.GetIcon(3);
        ASSERT_TRUE(icon);
        EXPECT_EQ(wt::IconSize(icon.Get()), 32);
    }
}

TEST(IconLoader, MissingFilesGiveNoIconAndNoCount) {
    CLoadIcon loader;
    loader.SetSmall(0);
    loader.SetFile("C:\\no\\such\\tool.exe");
    EXPECT_EQ(loader.GetCount(), 0);
    EXPECT_FALSE(loader.GetIcon(0));
    loader.SetFile("C:\\no\\such\\icons.dll");
    EXPECT_EQ(loader.GetCount(), 0);
    EXPECT_FALSE(loader.GetIcon(2));
}

TEST(IconLoader, EachIconHandedOutIsTheCallersAndTheListGoesWithTheLoader) {
    const long icons = UniqueIcon::LiveCount(), lists = UniqueImageList::LiveCount();
    {
        CLoadIcon loader;
        loader.SetSmall(0);
        for (int round = 0; round < 50; ++round) {
            loader.SetFile(round % 2 ? Library() : Program());
            UniqueIcon icon = loader.GetIcon(round % 25);
        }
        EXPECT_EQ(UniqueIcon::LiveCount(), icons);
        EXPECT_EQ(UniqueImageList::LiveCount(), lists + 1);
    }
    EXPECT_EQ(UniqueImageList::LiveCount(), lists);
}

class ButtonIconTest : public BarFixture {
protected:
    static ButtonEntry Entry(const std::string& app, int index = 0,
                             const std::string& iconFile = "") {
        ButtonEntry e;
        e.AppName = app;
        e.IconIndex = index;
        e.IconFile = iconFile;
        return e;
    }
    HICON Shown(size_t k) {
        return reinterpret_cast<HICON>(
            SendMessageA(Bar().Buttons().at(k)->Handle(), BM_GETIMAGE, IMAGE_ICON, 0));
    }
    int ListSize(size_t k) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(Bar().Buttons().at(k)->ImageList(), &cx, &cy);
        EXPECT_EQ(cx, cy);
        return cx;
    }
};

TEST_F(ButtonIconTest, IconSizeFollowsThePageBits) {
    SeedEntries(1, {Entry(Library(), 3)}, 1, 34, OPT_FITICON);
    SeedEntries(2, {Entry(Library(), 3)}, 1, 34, OPT_LARGEICON);
    SeedEntries(3, {Entry(Library(), 3)}, 1, 34, 0);
    SeedEntries(4, {Entry(Library(), 3)}, 1, 20, OPT_FITICON | OPT_LARGEICON);
    SeedSetting("Page", std::string("1,4"));
    Start();
    const int expected[] = {30, 32, 16, 16};
    for (int page = 1; page <= 4; ++page) {
        SCOPED_TRACE(page);
        Bar().SwitchPage(page);
        EXPECT_EQ(ListSize(0), expected[page - 1]);
        HICON shown = Shown(0);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(wt::IconSize(shown), expected[page - 1]);
        EXPECT_EQ(Centre(shown), LibraryColour(3, false)) << "the large image, scaled";
    }
}

// A page seen before shows the icons kept from its last showing while its
// files keep their write time and size: other pixels under the same time
// and size are not read. A file written since is read again.
TEST_F(ButtonIconTest, KeptIconsAreReadAgainOnlyWhenTheFileChanged) {
    const std::string file = wt::ScratchDir("kept_icons") + "kept.ico";
    auto icoFile = [](int k) {
        return wt::TestDir() + "test_icons\\icon0" + std::to_string(k) + ".ico";
    };
    ASSERT_TRUE(wt::CopyTo(icoFile(1), file));
    SeedEntries(1, {Entry(file)}, 1, 34, OPT_LARGEICON);
    SeedEntries(2, {}, 1, 34, 0);
    Start();
    EXPECT_EQ(Centre(Shown(0)), LibraryColour(1, false));
    auto rewrite = [&](int k, LONGLONG later) {
        WIN32_FILE_ATTRIBUTE_DATA was{};
        ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &was));
        ASSERT_TRUE(wt::CopyTo(icoFile(k), file));
        ULARGE_INTEGER time{
            {was.ftLastWriteTime.dwLowDateTime, was.ftLastWriteTime.dwHighDateTime}};
        time.QuadPart += later;
        const FILETIME written{time.LowPart, time.HighPart};
        HANDLE f =
            CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(SetFileTime(f, nullptr, nullptr, &written));
        CloseHandle(f);
        Bar().SwitchPage(2);
        Bar().SwitchPage(1);
    };
    rewrite(2, 0);
    EXPECT_EQ(Centre(Shown(0)), LibraryColour(1, false)) << "kept: the same time and size";
    rewrite(2, 10000000);  // a second later
    EXPECT_EQ(Centre(Shown(0)), LibraryColour(2, false)) << "read again";
}

TEST_F(ButtonIconTest, SmallVariantOnlyForIconZeroOnSixteenPixelPages) {
    SeedEntries(1, {Entry(Library(), 0), Entry(Library(), 2)}, 1, 34, 0);
    SeedEntries(2, {Entry(Library(), 0)}, 1, 34, OPT_LARGEICON);
    Start();
    EXPECT_EQ(wt::IconSize(Shown(0)), 16);
    EXPECT_EQ(Centre(Shown(0)), PlatformSmallColour(0));
    EXPECT_EQ(Centre(Shown(1)), LibraryColour(2, false));
    Bar().SwitchPage(2);
    EXPECT_EQ(Centre(Shown(0)), LibraryColour(0, false));
}

TEST_F(ButtonIconTest, SameSettingsForAllPagesUseTheBarWideBits) {
    SeedSetting("Option", OPT_DATE | OPT_TIME | OPT_SAMEALLPAGES | OPT_FITICON);
    SeedSetting("BtnSize", 44);
    SeedEntries(1, {Entry(Library(), 5)}, 1, 20, OPT_LARGEICON);
    Start();
    EXPECT_EQ(Bar().Settings().btnSize, 44);
    EXPECT_EQ(ListSize(0), 40);
}

TEST_F(ButtonIconTest, IconFileWinsOverTheTarget) {
    SeedEntries(1, {Entry(Program(), 4, Library()), Entry(Library(), 6, "")}, 1, 34, OPT_LARGEICON);
    Start();
    EXPECT_EQ(Centre(Shown(0)), LibraryColour(4, false));
    EXPECT_EQ(Centre(Shown(1)), LibraryColour(6, false));
}

TEST_F(ButtonIconTest, NoIconAnywhereShowsTheDefaultIcon) {
    SeedEntries(1, {Entry("C:\\no\\such\\tool.exe"), Entry("C:\\no\\such\\x.exe", 0, "C:\\no.dll")},
                1, 34, OPT_LARGEICON);
    Start();
    // The default icon drawn through a list of the same size, for comparison.
    HIMAGELIST list = ImageList_Create(32, 32, ILC_COLORDDB | ILC_MASK, 0, 0);
    ImageList_ReplaceIcon(list, -1, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(136)));
    HICON reference = ImageList_GetIcon(list, 0, ILD_NORMAL);
    for (size_t k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        HICON shown = Shown(k);
        ASSERT_NE(shown, nullptr);
        for (int y = 0; y < 32; y += 3)
            for (int x = 0; x < 32; x += 3)
                ASSERT_EQ(wt::IconPixel(shown, x, y), wt::IconPixel(reference, x, y))
                    << x << "," << y;
    }
    DestroyIcon(reference);
    ImageList_Destroy(list);
}

TEST_F(ButtonIconTest, ReloadingTheIconKeepsAShownIcon) {
    SeedEntries(1, {Entry(Library(), 1)}, 1, 34, OPT_LARGEICON);
    Start();
    CBarButton& button = *Bar().Buttons()[0];
    const long icons = UniqueIcon::LiveCount();
    for (int i = 0; i < 20; ++i) {
        HICON before = Shown(0);
        button.LoadButtonIcon();
        HICON after = Shown(0);
        EXPECT_NE(after, before);
        EXPECT_EQ(wt::IconSize(after), 32) << "the control shows a live icon";
        EXPECT_EQ(wt::IconSize(before), 0) << "the icon it showed before is destroyed";
    }
    EXPECT_EQ(UniqueIcon::LiveCount(), icons) << "replaced icons are destroyed";
}

// The same pixels, every fourth one compared.
bool SamePixels(HICON a, HICON b) {
    const int side = wt::IconSize(a);
    if (side == 0 || side != wt::IconSize(b)) return false;
    for (int y = 0; y < side; y += 4)
        for (int x = 0; x < side; x += 4)
            if (wt::IconPixel(a, x, y) != wt::IconPixel(b, x, y)) return false;
    return true;
}

bool MakeShortcut(const std::string& link, const std::string& target) {
    IShellLinkA* shell = nullptr;
    if (FAILED(
            CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shell))))
        return false;
    IPersistFile* file = nullptr;
    wchar_t name[MAX_PATH];
    const bool made = SUCCEEDED(shell->SetPath(target.c_str())) &&
                      SUCCEEDED(shell->QueryInterface(IID_PPV_ARGS(&file))) &&
                      MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, name, MAX_PATH) &&
                      SUCCEEDED(file->Save(name, TRUE));
    if (file) file->Release();
    shell->Release();
    return made;
}

// Runs where the system's scale is 144 DPI. Buttons of 75 pixels show
// 69-pixel icons: an icon file's 96-pixel image and the shell's 72-pixel
// one, scaled down, not their system-size (48-pixel) images stretched up.
TEST_F(ButtonIconTest, ScaledShortcutAndIconFileScaleALargerImageDown) {
    const std::string dir = wt::ScratchDir("tarvix-scaled-icons");
    const std::string link = dir + "memo.lnk";
    CoInitialize(nullptr);
    ASSERT_TRUE(MakeShortcut(link, "C:\\windows\\win.ini"));
    CoUninitialize();
    SeedEntries(1, {Entry(wt::TestDir() + "test_icons\\sizes.ico"), Entry(link)}, 1, 50,
                OPT_FITICON);
    Start();
    ASSERT_EQ(Bar().Dpi(), 144);
    ASSERT_EQ(ListSize(0), 69);
    EXPECT_EQ(Centre(Shown(0)), RGB(96, 90, 160)) << "the file's 96-pixel image";
    SHFILEINFOA info{};
    ASSERT_TRUE(SHGetFileInfoA(link.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON));
    UniqueIcon system(info.hIcon), larger(wt::ShellExtraLarge(info.iIcon));
    ASSERT_EQ(wt::IconSize(system.Get()), 48);
    ASSERT_EQ(wt::IconSize(larger.Get()), 72);
    UniqueIcon scaled(wt::ThroughList(larger.Get(), 69));
    UniqueIcon once(wt::ThroughList(system.Get(), 48)), stretched(wt::ThroughList(once.Get(), 69));
    EXPECT_TRUE(SamePixels(Shown(1), scaled.Get()));
    EXPECT_FALSE(SamePixels(Shown(1), stretched.Get())) << "the 48-pixel image stretched";
}

// Runs for several seconds under Wine: CTest runs it with the slow tests.
class SlowButtonIconTest : public ButtonIconTest {};

TEST_F(SlowButtonIconTest, RebuildsOfFortyMixedButtonsLeaveNothingBehind) {
    // Library icons, icons named by IconFile, the shell's icon of a program
    // without icons, and the default icon of a missing target.
    std::vector<ButtonEntry> entries;
    for (int k = 0; k < 40; ++k) {
        if (k % 8 == 6)
            entries.push_back(Entry(Program()));
        else if (k % 8 == 7)
            entries.push_back(Entry("C:\\missing\\x.exe"));
        else if (k % 2)
            entries.push_back(Entry(Program(), k % 20, Library()));
        else
            entries.push_back(Entry(Library(), k % 20));
    }
    SeedEntries(1, entries, 2, 34, OPT_LARGEICON);
    wt::HandleLedger ledger;
    Start();
    const long icons = UniqueIcon::LiveCount(), lists = UniqueImageList::LiveCount();
    const long windows = UniqueWindow::LiveCount();
    EXPECT_EQ(icons, 40);
    EXPECT_EQ(lists, 2) << "the kept icons' list of 32 pixels and its loader's";
    ledger.ExpectNoGrowth(20, [this] {
        Bar().Rebuild();
        Pump();
    });
    EXPECT_EQ(UniqueIcon::LiveCount(), icons);
    EXPECT_EQ(UniqueImageList::LiveCount(), lists);
    EXPECT_EQ(UniqueWindow::LiveCount(), windows);
    EXPECT_EQ(Bar().Tips().GetToolCount(), 41);
}

}  // namespace
