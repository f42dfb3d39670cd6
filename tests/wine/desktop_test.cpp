// What today's desktop asks of the program: the manifest's common controls
// and DPI awareness, the version information, buttons named for assistive
// technology, and a bar that follows the scale of its monitor.

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "tests/wine/bar_fixture.h"
#include "win/system_library.h"

namespace {

// A value of the exe's Japanese version block.
std::string VersionValue(const char* name) {
    std::vector<char> data(GetFileVersionInfoSizeA(TARVIX_EXE, nullptr));
    char* value = nullptr;
    UINT size = 0;
    const std::string path = std::string("\\StringFileInfo\\041104B0\\") + name;
    const bool found =
        !data.empty() &&
        GetFileVersionInfoA(TARVIX_EXE, 0, static_cast<DWORD>(data.size()), data.data()) &&
        VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &size);
    return found ? value : "";
}

std::string AccessibleName(HWND wnd) {
    IAccessible* acc = nullptr;
    // {618736E0-3C3D-11CF-810C-00AA00389B71}
    constexpr IID kAccessible = {
        0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    if (FAILED(AccessibleObjectFromWindow(wnd, static_cast<DWORD>(OBJID_CLIENT), kAccessible,
                                          reinterpret_cast<void**>(&acc))))
        return "(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text;
    if (SUCCEEDED(acc->get_accName(self, &name)) && name) {
        char cp932[512] = "";
        WideCharToMultiByte(932, 0, name, -1, cp932, sizeof cp932, nullptr, nullptr);
        text = cp932;
        SysFreeString(name);
    }
    acc->Release();
    return text;
}

ButtonEntry Entry(const char* title, const char* path) {
    ButtonEntry entry;
    entry.Title = title;
    entry.AppName = path;
    return entry;
}

using DesktopTest = BarFixture;

TEST_F(DesktopTest, ManifestAndVersionInformation) {
    // The common controls the program's imports were bound to.
    HMODULE controls = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(&InitCommonControlsEx)), &controls));
    // Wine's version 6 answers DllGetVersion as 5.81: its assembly tells it.
    char path[MAX_PATH] = "";
    GetModuleFileNameA(controls, path, sizeof path);
    CharLowerA(path);
    EXPECT_NE(std::string(path).find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
              std::string::npos)
        << path;
    using ContextFn = HANDLE(WINAPI*)();
    using AwarenessFn = int(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto context = reinterpret_cast<ContextFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    auto awareness = reinterpret_cast<AwarenessFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    ASSERT_TRUE(context && awareness);
    constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE
    EXPECT_EQ(awareness(context()), kPerMonitorAware);
    EXPECT_EQ(VersionValue("ProductName"), "Tarvix");
    EXPECT_EQ(VersionValue("ProductVersion"), "2.11");
}

TEST_F(DesktopTest, ButtonsAreNamedForAssistiveTechnology) {
    SeedEntries(1, {Entry("メモ帳", "C:\\windows\\notepad.exe"), Entry("", "C:\\t\\表示.exe"),
                    Entry("AT&T", "C:\\t\\a.exe")});
    Start();
    ASSERT_EQ(Bar().Buttons().size(), 3u);
    CoInitialize(nullptr);
    EXPECT_EQ(AccessibleName(Bar().Buttons()[0]->Handle()), "メモ帳");
    EXPECT_EQ(AccessibleName(Bar().Buttons()[1]->Handle()), "表示.exe");
    EXPECT_EQ(AccessibleName(Bar().Buttons()[2]->Handle()), "AT&T") << "no access key";
    Bar().UpdateButton(0, Entry("ﾒﾓ", "C:\\windows\\notepad.exe"));
    EXPECT_EQ(AccessibleName(Bar().Buttons()[0]->Handle()), "ﾒﾓ") << "renamed with its tip";
    CoUninitialize();
}

// Only the system folder: a library of the name beside the program is
// never taken.
TEST(SystemLibraryTest, ComesFromTheSystemFolderOnly) {
    EXPECT_NE(LoadSystemLibrary("uxtheme.dll"), nullptr);
    ASSERT_NE(LoadLibraryA("icons20.dll"), nullptr) << "a bare name finds the one beside the tests";
    EXPECT_EQ(LoadSystemLibrary("icons20.dll"), nullptr);
}

// A move to a monitor of another scale: the page at the new scale where
// the platform puts the bar, and nothing stored.
TEST_F(DesktopTest, DpiChangeLoadsThePageAtTheNewScale) {
    SeedPage(1, 4, 1, 34);
    Start();
    const int width96 = Bar().ClockWidth();
    const std::vector<std::string> store = StoreSnapshot();
    RECT suggested{120, 90, 400, 200};
    SendMessageA(BarWnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(WindowRect().left, 120);
    EXPECT_EQ(WindowRect().top, 90);
    EXPECT_EQ(WindowRect().bottom - WindowRect().top, 51);
    EXPECT_EQ(ButtonRect(3).right - ButtonRect(3).left, 51);
    EXPECT_EQ(ButtonRect(3).left, Bar().ClockExtent() + 3 * 51);
    EXPECT_GT(Bar().ClockWidth(), width96) << "the clock font follows";
    suggested = {0, 0, 10, 10};
    SendMessageA(BarWnd(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(Bar().ClockWidth(), width96);
    EXPECT_EQ(WindowRect().bottom - WindowRect().top, 34);
    EXPECT_EQ(StoreSnapshot(), store);
}

// Runs where the system's scale is 144 DPI (150 %).
TEST_F(DesktopTest, ScaledBarAt144Dpi) {
    Start();
    ASSERT_EQ(Bar().Dpi(), 144);
    EXPECT_EQ(WindowRect().bottom - WindowRect().top, 51) << "an empty store";
    Exit();
    app.reset();
    SeedPage(1, 4, 1, 34, OPT_LARGEICON);
    Start();
    for (size_t k = 0; k < 4; ++k) EXPECT_EQ(ButtonRect(k).right - ButtonRect(k).left, 51) << k;
    EXPECT_EQ(WindowRect().right - WindowRect().left, Bar().ClockExtent() + 4 * 51);
    HIMAGELIST icons = Bar().Buttons()[0]->ImageList();
    int cx = 0, cy = 0;
    ImageList_GetIconSize(icons, &cx, &cy);
    EXPECT_EQ(cx, 48);
}

}  // namespace
