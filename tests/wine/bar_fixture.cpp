#include "tests/wine/bar_fixture.h"

#include <algorithm>

#include "app/host_wnd.h"
#include "config/launcher_store.h"
#include "config/win_registry.h"
#include "res/resource.h"

BarFixture::BarFixture() {
    wt::ClearStore();
}

BarFixture::~BarFixture() {
    app.reset();
    Pump();
    wt::ClearStore();
}

void BarFixture::Start() {
    app = std::make_unique<CLauncherApp>();
    ASSERT_TRUE(app->InitInstance());
    ASSERT_NE(app->Bar(), nullptr);
    Pump();
}

void BarFixture::Pump() {
    MSG msg;
    for (int i = 0; i < 100000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) {
            quitSeen = true;
            continue;
        }
        if (app)
            app->ProcessMessage(msg);
        else {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void BarFixture::PumpFor(int ms) {
    DWORD end = GetTickCount() + ms;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void BarFixture::Exit() {
    PostMessageA(BarWnd(), WM_COMMAND, ID_APP_EXIT, 0);
    for (int i = 0; i < 200 && app->MainWnd(); ++i) PumpFor(10);
}

RECT BarFixture::WindowRect() {
    RECT r{};
    GetWindowRect(BarWnd(), &r);
    return r;
}

RECT BarFixture::ButtonRect(size_t index) {
    RECT r{};
    HWND button = Bar().m_buttons.at(index)->Handle();
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, BarWnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int BarFixture::VisibleButtonCount() {
    int count = 0;
    for (HWND child = GetWindow(BarWnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16];
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) ++count;
    }
    return count;
}

void BarFixture::SeedPage(int page, int count, int lines, int size, int iconFlags) {
    const std::string section = PageSection(page);
    wt::RawWriteDword(section, "Num", static_cast<DWORD>(count));
    wt::RawWriteString(
        section, "Data",
        std::to_string(lines) + "," + std::to_string(size) + "," + std::to_string(iconFlags));
    for (int i = 1; i <= count; ++i)
        wt::RawWriteString(ButtonSection(page, i), "AppName",
                           "C:\\t\\b" + std::to_string(i) + ".exe");
}

void BarFixture::SeedEntries(int page, const std::vector<ButtonEntry>& entries, int lines, int size,
                             int iconFlags) {
    LauncherStore store(std::make_unique<WinRegistry>());
    store.Profile().SetRegistryKey("Quenlow", "Lumeq");
    const int count = static_cast<int>(entries.size());
    store.SavePageSetup(page, PageSetup{count, lines, size, iconFlags});
    for (int i = 0; i < count; ++i) store.SaveButton(page, i + 1, entries[i]);
}

void BarFixture::Click(size_t index) {
    SendMessageA(Bar().m_buttons.at(index)->Handle(), BM_CLICK, 0, 0);
}

namespace {
void CollectValues(HKEY key, const std::string& prefix, std::vector<std::string>& out,
                   bool withData, bool withKeys = false) {
    if (withKeys) out.push_back(prefix + "\\");
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        BYTE data[8192];
        DWORD size = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &length, nullptr, &type, data, &size) != ERROR_SUCCESS)
            break;
        std::string line = prefix + ":" + name;
        if (withData)
            line += "=" + std::to_string(type) + ":" +
                    std::string(reinterpret_cast<const char*>(data), size);
        out.push_back(line);
    }
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY sub;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
            CollectValues(sub, prefix.empty() ? name : prefix + "\\" + name, out, withData,
                          withKeys);
            RegCloseKey(sub);
        }
    }
}
}  // namespace

namespace {
std::vector<std::string> CollectStore(bool withData, bool withKeys = false) {
    std::vector<std::string> out;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, wt::kRoot, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        CollectValues(key, "", out, withData, withKeys);
        RegCloseKey(key);
    }
    std::sort(out.begin(), out.end());
    return out;
}
}  // namespace

std::vector<std::string> StoreValues() {
    return CollectStore(false);
}

std::vector<std::string> StoreSnapshot() {
    return CollectStore(true);
}

std::vector<std::string> StoreTree() {
    return CollectStore(true, true);
}
