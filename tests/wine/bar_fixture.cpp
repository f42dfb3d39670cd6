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
    AwaitFirstPaint();
}

void BarFixture::AwaitFirstPaint() {
    Pump();
    // The tips come with a timer after the first paint. The bound only
    // keeps a broken bar from hanging the run, and says so.
    for (DWORD start = GetTickCount(); !Bar().Tips().Handle() && GetTickCount() - start < 30000;)
        PumpFor(10);
    ASSERT_NE(Bar().Tips().Handle(), nullptr) << "the bar's first paint never came";
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
    HWND button = Bar().Buttons().at(index)->Handle();
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
    SendMessageA(Bar().Buttons().at(index)->Handle(), BM_CLICK, 0, 0);
}

namespace {

void ReadKey(HKEY key, const std::string& path, StoreTree& tree) {
    auto& values = tree[path];
    std::vector<char> name(16384);
    std::vector<BYTE> data(1 << 20);
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS)
            break;
        values[std::string(name.data(), nameLength)] = {
            type, std::string(reinterpret_cast<char*>(data.data()), size)};
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const std::string sub(name.data(), nameLength);
        HKEY child;
        if (RegOpenKeyExA(key, sub.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
        ReadKey(child, path.empty() ? sub : path + "\\" + sub, tree);
        RegCloseKey(child);
    }
}

std::vector<std::string> CollectStore(bool withData) {
    std::vector<std::string> out;
    for (const auto& [path, values] : ReadStoreTree())
        for (const auto& [name, value] : values)
            out.push_back(path + ":" + name +
                          (withData ? "=" + std::to_string(value.type) + ":" + value.bytes : ""));
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

StoreTree ReadStoreTree() {
    StoreTree tree;
    HKEY root;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, wt::kRoot, 0, KEY_READ, &root) != ERROR_SUCCESS)
        return tree;
    ReadKey(root, "", tree);
    RegCloseKey(root);
    return tree;
}

std::vector<std::string> StoreValues() {
    return CollectStore(false);
}

std::vector<std::string> StoreSnapshot() {
    return CollectStore(true);
}
