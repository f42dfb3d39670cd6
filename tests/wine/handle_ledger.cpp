#include "tests/wine/handle_ledger.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string_view>

#include "tests/wine/import_hook.h"
#include "win/ansi_file_name.h"
#include "tests/wine/wine_test_util.h"
#include "win/handles.h"

namespace wt {

namespace {

struct Record {
    Kind kind;
    void* handle;
};

struct State {
    std::vector<Record> made;
    // Image lists and keys: no platform query tells whether one still
    // exists, so the ledger keeps the open ones itself.
    std::set<void*> openLists;
    std::map<void*, std::string> openKeys;  // each with its path
    int finishedDrops = 0;
    std::vector<std::string> shellStarts;
    std::vector<std::string> writes;
    // By the function's name, in the order they were installed.
    std::vector<std::pair<std::string, std::unique_ptr<ImportHook>>> hooks;
    template <typename F>
    F Original(std::string_view name) const {
        for (const auto& [hooked, hook] : hooks)
            if (hooked == name) return reinterpret_cast<F>(hook->Original());
        return nullptr;
    }
};

State* g_state = nullptr;

// "Setting:Option": the key below the program's root, then the value.
void Written(std::string_view key, std::string_view name) {
    const std::string_view root = kRoot;
    if (key.substr(0, root.size()) == root)
        key.remove_prefix(std::min(key.size(), root.size() + 1));
    g_state->writes.push_back(std::string(key) + ":" + std::string(name));
}

void Note(Kind kind, void* handle) {
    if (!handle) return;
    if (kind == Kind::ImageList)
        g_state->openLists.insert(handle);
    else
        g_state->made.push_back({kind, handle});
}

HWND WINAPI MyCreateWindowExA(DWORD ex, LPCSTR cls, LPCSTR name, DWORD style, int x, int y, int cx,
                              int cy, HWND parent, HMENU menu, HINSTANCE inst, LPVOID param) {
    HWND wnd = g_state->Original<decltype(&CreateWindowExA)>("CreateWindowExA")(
        ex, cls, name, style, x, y, cx, cy, parent, menu, inst, param);
    Note(Kind::Window, wnd);
    return wnd;
}

HWND WINAPI MyCreateDialogParamA(HINSTANCE inst, LPCSTR tmpl, HWND parent, DLGPROC proc,
                                 LPARAM param) {
    HWND wnd = g_state->Original<decltype(&CreateDialogParamA)>("CreateDialogParamA")(
        inst, tmpl, parent, proc, param);
    Note(Kind::Window, wnd);
    return wnd;
}

HMENU WINAPI MyCreatePopupMenu() {
    HMENU menu = g_state->Original<decltype(&CreatePopupMenu)>("CreatePopupMenu")();
    Note(Kind::Menu, menu);
    return menu;
}

UINT WINAPI MyExtractIconExA(LPCSTR file, int index, HICON* large, HICON* small, UINT n) {
    UINT got = g_state->Original<decltype(&ExtractIconExA)>("ExtractIconExA")(file, index, large,
                                                                              small, n);
    // A failed call leaves stale values behind: only a real result counts.
    if (index != -1 && got != 0 && got != UINT_MAX) {
        if (large) Note(Kind::Icon, *large);
        if (small) Note(Kind::Icon, *small);
    }
    return got;
}

DWORD_PTR WINAPI MySHGetFileInfoA(LPCSTR path, DWORD attrs, SHFILEINFOA* info, UINT size,
                                  UINT flags) {
    DWORD_PTR r = g_state->Original<decltype(&SHGetFileInfoA)>("SHGetFileInfoA")(path, attrs, info,
                                                                                 size, flags);
    if (r && (flags & SHGFI_ICON)) Note(Kind::Icon, info->hIcon);
    return r;
}

HICON WINAPI MyImageListGetIcon(HIMAGELIST list, int i, UINT flags) {
    HICON icon =
        g_state->Original<decltype(&ImageList_GetIcon)>("ImageList_GetIcon")(list, i, flags);
    Note(Kind::Icon, icon);
    return icon;
}

HIMAGELIST WINAPI MyImageListCreate(int cx, int cy, UINT flags, int initial, int grow) {
    HIMAGELIST list = g_state->Original<decltype(&ImageList_Create)>("ImageList_Create")(
        cx, cy, flags, initial, grow);
    Note(Kind::ImageList, list);
    return list;
}

BOOL WINAPI MyImageListDestroy(HIMAGELIST list) {
    g_state->openLists.erase(list);
    return g_state->Original<decltype(&ImageList_Destroy)>("ImageList_Destroy")(list);
}

HFONT WINAPI MyCreateFontIndirectA(const LOGFONTA* lf) {
    HFONT font = g_state->Original<decltype(&CreateFontIndirectA)>("CreateFontIndirectA")(lf);
    Note(Kind::Gdi, font);
    return font;
}

HBRUSH WINAPI MyCreateSolidBrush(COLORREF colour) {
    HBRUSH brush = g_state->Original<decltype(&CreateSolidBrush)>("CreateSolidBrush")(colour);
    Note(Kind::Gdi, brush);
    return brush;
}

HPEN WINAPI MyCreatePen(int style, int width, COLORREF colour) {
    HPEN pen = g_state->Original<decltype(&CreatePen)>("CreatePen")(style, width, colour);
    Note(Kind::Gdi, pen);
    return pen;
}

LSTATUS WINAPI MyRegCreateKeyExA(HKEY root, LPCSTR sub, DWORD reserved, LPSTR cls, DWORD options,
                                 REGSAM sam, SECURITY_ATTRIBUTES* sa, HKEY* key,
                                 DWORD* disposition) {
    LSTATUS rc = g_state->Original<decltype(&RegCreateKeyExA)>("RegCreateKeyExA")(
        root, sub, reserved, cls, options, sam, sa, key, disposition);
    if (rc == ERROR_SUCCESS) g_state->openKeys[*key] = sub ? sub : "";
    return rc;
}

LSTATUS WINAPI MyRegCloseKey(HKEY key) {
    g_state->openKeys.erase(key);
    return g_state->Original<decltype(&RegCloseKey)>("RegCloseKey")(key);
}

void WINAPI MyDragFinish(HDROP drop) {
    ++g_state->finishedDrops;
    g_state->Original<decltype(&DragFinish)>("DragFinish")(drop);
}

LSTATUS WINAPI MyRegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                                DWORD size) {
    const auto path = g_state->openKeys.find(key);
    Written(path == g_state->openKeys.end() ? "" : path->second, name ? name : "");
    return g_state->Original<decltype(&RegSetValueExA)>("RegSetValueExA")(key, name, reserved, type,
                                                                          data, size);
}

LSTATUS WINAPI MyRegDeleteTreeA(HKEY root, LPCSTR sub) {
    Written(sub ? sub : "", "(deleted)");
    return g_state->Original<decltype(&RegDeleteTreeA)>("RegDeleteTreeA")(root, sub);
}

LSTATUS WINAPI MyRegOpenKeyExA(HKEY root, LPCSTR sub, DWORD options, REGSAM sam, HKEY* key) {
    LSTATUS rc =
        g_state->Original<decltype(&RegOpenKeyExA)>("RegOpenKeyExA")(root, sub, options, sam, key);
    if (rc == ERROR_SUCCESS) g_state->openKeys[*key] = sub ? sub : "";
    return rc;
}

HINSTANCE WINAPI MyShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                 LPCWSTR dir, INT show) {
    g_state->shellStarts.push_back(file ? AnsiOf(file).bytes : "");
    return g_state->Original<decltype(&ShellExecuteW)>("ShellExecuteW")(owner, verb, file,
                                                                        parameters, dir, show);
}

HINSTANCE WINAPI MyShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                 LPCSTR dir, INT show) {
    g_state->shellStarts.push_back(file ? file : "");
    return g_state->Original<decltype(&ShellExecuteA)>("ShellExecuteA")(owner, verb, file,
                                                                        parameters, dir, show);
}

bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
}

bool Alive(const Record& r) {
    switch (r.kind) {
        case Kind::Window:
            return IsWindow(static_cast<HWND>(r.handle));
        case Kind::Menu:
            return IsMenu(static_cast<HMENU>(r.handle));
        case Kind::Icon:
            return IconAlive(static_cast<HICON>(r.handle));
        case Kind::Gdi:
            return GetObjectType(r.handle) != 0;
        case Kind::ImageList:
        case Kind::Key:
        case Kind::Count:
            break;
    }
    return false;
}

}  // namespace

OwnCounts CountOwned() {
    return {UniqueIcon::LiveCount(),  UniqueImageList::LiveCount(), UniqueFont::LiveCount(),
            UniqueBrush::LiveCount(), UniquePen::LiveCount(),       UniqueWindow::LiveCount(),
            UniqueMenu::LiveCount()};
}

std::string Describe(const OwnCounts& c) {
    return "own: " + std::to_string(c.icons) + " icons, " + std::to_string(c.imageLists) +
           " image lists, " + std::to_string(c.fonts) + " fonts, " + std::to_string(c.brushes) +
           " brushes, " + std::to_string(c.pens) + " pens, " + std::to_string(c.windows) +
           " windows, " + std::to_string(c.menus) + " menus";
}

std::string Describe(const LiveCounts& c) {
    const char* names[] = {"windows", "menus", "icons", "image lists", "GDI objects", "keys"};
    std::string text;
    for (int k = 0; k < static_cast<int>(Kind::Count); ++k)
        text += std::string(k ? ", " : "") + std::to_string(c.counts[k]) + " " + names[k];
    return text;
}

HandleLedger::HandleLedger() {
    g_state = new State;
    struct HookEntry {
        const char* dll;
        const char* name;
        void* fn;
    };
    const HookEntry entries[] = {
        {"user32.dll", "CreateWindowExA", reinterpret_cast<void*>(MyCreateWindowExA)},
        {"user32.dll", "CreateDialogParamA", reinterpret_cast<void*>(MyCreateDialogParamA)},
        {"user32.dll", "CreatePopupMenu", reinterpret_cast<void*>(MyCreatePopupMenu)},
        {"shell32.dll", "ExtractIconExA", reinterpret_cast<void*>(MyExtractIconExA)},
        {"shell32.dll", "SHGetFileInfoA", reinterpret_cast<void*>(MySHGetFileInfoA)},
        {"comctl32.dll", "ImageList_GetIcon", reinterpret_cast<void*>(MyImageListGetIcon)},
        {"comctl32.dll", "ImageList_Create", reinterpret_cast<void*>(MyImageListCreate)},
        {"comctl32.dll", "ImageList_Destroy", reinterpret_cast<void*>(MyImageListDestroy)},
        {"gdi32.dll", "CreateFontIndirectA", reinterpret_cast<void*>(MyCreateFontIndirectA)},
        {"gdi32.dll", "CreateSolidBrush", reinterpret_cast<void*>(MyCreateSolidBrush)},
        {"gdi32.dll", "CreatePen", reinterpret_cast<void*>(MyCreatePen)},
        {"advapi32.dll", "RegCreateKeyExA", reinterpret_cast<void*>(MyRegCreateKeyExA)},
        {"advapi32.dll", "RegCloseKey", reinterpret_cast<void*>(MyRegCloseKey)},
        {"shell32.dll", "DragFinish", reinterpret_cast<void*>(MyDragFinish)},
        {"advapi32.dll", "RegSetValueExA", reinterpret_cast<void*>(MyRegSetValueExA)},
        {"advapi32.dll", "RegDeleteTreeA", reinterpret_cast<void*>(MyRegDeleteTreeA)},
        {"shell32.dll", "ShellExecuteA", reinterpret_cast<void*>(MyShellExecuteA)},
        {"shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(MyShellExecuteW)},
        {"advapi32.dll", "RegOpenKeyExA", reinterpret_cast<void*>(MyRegOpenKeyExA)},
    };
    for (const HookEntry& s : entries) {
        g_state->hooks.emplace_back(s.name, std::make_unique<ImportHook>(s.dll, s.name, s.fn));
        if (!g_state->hooks.back().second->Installed())
            ADD_FAILURE_AT(__FILE__, __LINE__) << "no import of " << s.name << " to watch";
    }
}

HandleLedger::~HandleLedger() {
    // Hooks come off in reverse order before the state goes.
    while (!g_state->hooks.empty()) g_state->hooks.pop_back();
    delete g_state;
    g_state = nullptr;
}

LiveCounts HandleLedger::Live() const {
    LiveCounts counts;
    // A handle value may be handed out again after its object is gone.
    std::set<void*> seen;
    for (const Record& r : g_state->made)
        if (seen.insert(r.handle).second && Alive(r)) ++counts.counts[static_cast<int>(r.kind)];
    counts.counts[static_cast<int>(Kind::ImageList)] = static_cast<int>(g_state->openLists.size());
    counts.counts[static_cast<int>(Kind::Key)] = static_cast<int>(g_state->openKeys.size());
    return counts;
}

int HandleLedger::FinishedDrops() const {
    return g_state->finishedDrops;
}

std::vector<std::string> HandleLedger::ShellStarts() const {
    return g_state->shellStarts;
}

std::vector<std::string> HandleLedger::WrittenValues() const {
    return g_state->writes;
}

void HandleLedger::ClearWrittenValues() {
    g_state->writes.clear();
}

void HandleLedger::ExpectNoGrowth(int times, const std::function<void()>& step) const {
    const LiveCounts before = Live();
    for (int i = 0; i < times; ++i) step();
    EXPECT_EQ(Describe(Live()), Describe(before));
}

}  // namespace wt
