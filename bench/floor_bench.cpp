#include "bench/floor_bench.h"

#include <commctrl.h>

#include "bar/tool_tip_text.h"
#include "bench/bench_pages.h"
#include "bench/bench_stats.h"
#include "buttons/bar_button.h"
#include "buttons/load_icon.h"
#include "config/launcher_store.h"

namespace bench {
namespace {

constexpr int kButtonSize = 34;
constexpr UINT kFirstId = 500;

// A button window of the bar's styles at cell k, shown.
UniqueWindow MakeButton(HWND parent, int k, UINT id) {
    const int x = 90 + (k % 40) * kButtonSize, y = (k / 40) * kButtonSize;
    UniqueWindow wnd(CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_ICON | BS_VCENTER, x, y,
                                     kButtonSize, kButtonSize, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleA(nullptr), nullptr));
    SendMessageA(wnd.Get(), BM_SETSTYLE, BS_CENTER | BS_VCENTER, TRUE);
    ShowWindow(wnd.Get(), SW_SHOW);
    return wnd;
}

}  // namespace

FloorLoader::FloorLoader(HWND parent, const std::string& appKey)
    : m_parent(parent), m_store(OpenStore(appKey)) {
    m_tips.Create(parent);
}

FloorLoader::~FloorLoader() {
    FloorSplit ignored;
    TearDown(ignored);
}

void FloorLoader::TearDown(FloorSplit& split) {
    Lap lap(split.teardown);
    for (const Made& made : m_made) m_tips.DelTool(made.wnd.Get(), made.id);
    m_made.clear();
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
    PageSetup setup;
    {
        Lap lap(split.store);
        m_store->LoadPageSetup(page, setup);
    }
    const int iconSize = ButtonIconSize(0, kButtonSize);
    for (int k = 0; k < setup.ButtonCount; ++k) AddButton(page, k, iconSize, split);
    {
        Lap lap(split.window);
        LockWindowUpdate(nullptr);
    }
    return split;
}

void FloorLoader::AddButton(int page, int k, int iconSize, FloorSplit& split) {
    ButtonEntry entry;
    {
        Lap lap(split.store);
        m_store->LoadButton(page, k + 1, entry);
    }
    Made made;
    made.id = kFirstId + k;
    {
        Lap lap(split.window);
        made.wnd = MakeButton(m_parent, k, made.id);
    }
    UniqueIcon source;
    {
        // A loader of its own for every button: nothing is shared.
        Lap lap(split.icon);
        CLoadIcon loader;
        loader.SetSmall(entry.IconIndex == 0);
        const std::string& file = entry.IconFile.empty() ? entry.AppName : entry.IconFile;
        source = loader.GetIcon(file, entry.IconIndex, iconSize);
    }
    {
        Lap lap(split.imageList);
        made.list.Reset(ImageList_Create(iconSize, iconSize, kIconListFlags, 0, 0));
        ImageList_ReplaceIcon(made.list.Get(), -1, source.Get());
        made.shown.Reset(ImageList_GetIcon(made.list.Get(), 0, ILD_NORMAL));
        SendMessageA(made.wnd.Get(), BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(made.shown.Get()));
        source.Reset();
    }
    {
        Lap lap(split.tool);
        m_tips.AddTool(made.wnd.Get(), ToolTipText(entry), RECT{0, 0, kButtonSize, kButtonSize},
                       made.id);
    }
    m_made.push_back(std::move(made));
}

}  // namespace bench
