#include "bench/floor_bench.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/bench_stats.h"
#include "buttons/bar_button.h"
#include "config/records.h"

namespace bench {

struct FloorLoader::Made {
    struct Item {
        HWND wnd;
        HIMAGELIST list;
        HICON shown;
        UINT id;
    };
    std::vector<Item> items;
};

namespace {

// One value of an open key into `buffer`; empty when missing.
void Query(HKEY key, const char* name, char (&buffer)[1024]) {
    DWORD type = 0, size = sizeof buffer - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        size = 0;
    buffer[size] = '\0';
}

bool Numbered(const char* file) {
    const char* dot = std::strrchr(file, '.');
    return dot && (_stricmp(dot, ".exe") == 0 || _stricmp(dot, ".dll") == 0);
}

HICON Extract(const char* file, int index, bool small) {
    HICON large = nullptr, smallIcon = nullptr;
    if (Numbered(file)) {
        UINT got = ExtractIconExA(file, index, &large, &smallIcon, 1);
        if (got != 0 && got != UINT_MAX) {
            DestroyIcon(small ? large : smallIcon);
            return small ? smallIcon : large;
        }
    }
    SHFILEINFOA info{};
    UINT flags = SHGFI_ICON | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    return SHGetFileInfoA(file, 0, &info, sizeof info, flags) ? info.hIcon : nullptr;
}

TTTOOLINFOA Tool(HWND wnd, UINT id) {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = wnd;
    ti.uId = id;
    return ti;
}

}  // namespace

FloorLoader::FloorLoader(HWND parent, std::string root, bool samePixels)
    : m_parent(parent), m_samePixels(samePixels), m_root(std::move(root)), m_made(new Made) {
    m_tips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
}

FloorLoader::~FloorLoader() {
    FloorSplit ignored;
    TearDown(ignored);
    DestroyWindow(m_tips);
    delete m_made;
}

void FloorLoader::TearDown(FloorSplit& split) {
    Lap lap(split.teardown);
    for (const Made::Item& item : m_made->items) {
        TTTOOLINFOA ti = Tool(m_parent, item.id);
        SendMessageA(m_tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        DestroyWindow(item.wnd);
        DestroyIcon(item.shown);
        ImageList_Destroy(item.list);
    }
    m_made->items.clear();
}

FloorSplit FloorLoader::Load(int page) {
    FloorSplit split;
    {
        // Held updates and the placing of the window, as a page load has them.
        Lap lap(split.window);
        LockWindowUpdate(m_parent);
        RECT r;
        GetWindowRect(m_parent, &r);
        SetWindowPos(m_parent, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_SHOWWINDOW);
    }
    TearDown(split);
    const std::string pageKey = m_root + "\\Page" + std::to_string(page);
    char data[1024], title[1024], app[1024], dir[1024], parm[1024], icon[1024];
    DWORD count = 0;
    {
        Lap lap(split.store);
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, (pageKey + "\\Button").c_str(), 0, KEY_READ, &key);
        DWORD size = sizeof count;
        RegQueryValueExA(key, "Num", nullptr, nullptr, reinterpret_cast<BYTE*>(&count), &size);
        Query(key, "Data", data);
        RegCloseKey(key);
    }
    const int size = 34, iconSize = ButtonIconSize(0, size);
    for (DWORD k = 0; k < count; ++k) {
        {
            Lap lap(split.store);
            HKEY key = nullptr;
            RegOpenKeyExA(HKEY_CURRENT_USER, (pageKey + "\\Btn" + std::to_string(k + 1)).c_str(), 0,
                          KEY_READ, &key);
            Query(key, "Title", title);
            Query(key, "AppName", app);
            Query(key, "Dir", dir);
            Query(key, "Parm", parm);
            Query(key, "Icon", icon);
            Query(key, "Data", data);
            RegCloseKey(key);
        }
        const UINT id = 500 + k;
        const int x = 90 + static_cast<int>(k % 40) * size, y = static_cast<int>(k / 40) * size;
        HWND wnd;
        {
            Lap lap(split.window);
            wnd = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_ICON | BS_VCENTER, x, y, size,
                                  size, m_parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleA(nullptr), nullptr);
            SendMessageA(wnd, BM_SETSTYLE, BS_CENTER | BS_VCENTER, TRUE);
            ShowWindow(wnd, SW_SHOW);
        }
        const char* comma = std::strchr(data, ',');
        const int index = comma ? std::atoi(comma + 1) : 0;
        HICON source;
        {
            Lap lap(split.extraction);
            source = Extract(*icon ? icon : app, index, index == 0);
        }
        if (m_samePixels) {
            Lap lap(split.loaderList);
            const int side = index == 0 ? 16 : 32;
            HIMAGELIST loader = ImageList_Create(side, side, ILC_COLORDDB | ILC_MASK, 0, 0);
            ImageList_ReplaceIcon(loader, -1, source);
            DestroyIcon(source);
            source = ImageList_GetIcon(loader, 0, ILD_NORMAL);
            ImageList_Destroy(loader);
        }
        HIMAGELIST list;
        HICON shown;
        {
            Lap lap(split.imageList);
            list = ImageList_Create(iconSize, iconSize, ILC_COLORDDB | ILC_MASK, 0, 0);
            ImageList_ReplaceIcon(list, -1, source);
            shown = ImageList_GetIcon(list, 0, ILD_NORMAL);
            SendMessageA(wnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(shown));
            DestroyIcon(source);
        }
        {
            Lap lap(split.tool);
            TTTOOLINFOA ti = Tool(m_parent, id);
            ti.rect = RECT{0, 0, size, size};
            ti.lpszText = title;
            SendMessageA(m_tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        }
        m_made->items.push_back({wnd, list, shown, id});
    }
    {
        Lap lap(split.window);
        LockWindowUpdate(nullptr);
    }
    return split;
}

}  // namespace bench
