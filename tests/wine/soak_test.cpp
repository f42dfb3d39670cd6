// A soak of the running bar: thousands of mixed operations on the real
// windows and registry, with a model of what the store must hold that is
// kept apart from the program. After every operation the bar must show the
// model's page; at the end the registry must hold the model, and the
// handles counted after the first hundred operations must not have grown.
//
// TARVIX_SOAK_OPERATIONS (default 1500) and TARVIX_SOAK_SEED change the
// run; e.g. TARVIX_SOAK_OPERATIONS=100000 for a long local run.
//
// The operations are a table: the editing dialogs and the settings sheet
// add theirs beside the page and button edits that stand for them here.

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <random>

#include "config/launcher_store.h"
#include "core/icon_cache_index.h"
#include "res/resource.h"
#include "tests/wine/bar_fixture.h"
#include "tests/wine/drop_support.h"
#include "tests/wine/handle_ledger.h"
#include "tests/wine/probe_support.h"

namespace {

long EnvNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

constexpr int kPages = 3;
constexpr size_t kMostButtons = 12;  // drops give way to deletes beyond this
constexpr int kWarmUp = 100;

// What one page of the store must hold.
struct PageModel {
    std::vector<ButtonEntry> buttons;
    std::string data;  // "Data" of the page section as last written; empty when never
};

struct StoreModel {
    int curPage = 1;
    int pageCount = kPages;
    bool optionWritten = false;
    std::map<int, PageModel> pages;
};

std::string DataText(int lines, int size, int flags) {
    return std::to_string(lines) + "," + std::to_string(size) + "," + std::to_string(flags);
}

// Handles of every kind, the platform's and the program's own.
struct Counts {
    std::string platform;
    wt::OwnCounts own;
    DWORD kernel;
    bool operator==(const Counts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Counts& c) {
    return out << c.platform << "; " << wt::Describe(c.own) << "; kernel " << c.kernel;
}

class SlowSoakTest : public BarFixture {
protected:
    struct Operation {
        const char* name;
        int weight;
        std::function<void()> run;
    };

    // The operations and how often each comes.
    std::vector<Operation> Operations() {
        return {
            {"rebuild", 2, [this] { Bar().Rebuild(); }},
            {"page command", 3, [this] { SwitchByCommand(); }},
            {"page key", 2, [this] { SwitchByKey(); }},
            {"drop on the strip", 4, [this] { DropFiles(); }},
            {"launch", 1, [this] { Launch(); }},
            {"edit a button", 3, [this] { EditButton(); }},
            {"delete a button", 3, [this] { DeleteButton(); }},
            {"edit the page", 2, [this] { EditPage(); }},
            {"restore saved state", 1, [this] { RestoreState(); }},
            {"paint and tick", 2, [this] { Paint(); }},
        };
    }

    void Seed() {
        SeedSetting("Page", std::string("1,3"));
        SeedSetting("Option", DWORD{139});
        ButtonEntry probe;
        probe.AppName = Probe();
        probe.Parm = "-soak";
        model.pages[1] = {{probe, Entry(1), Entry(2)}, DataText(1, 34, 0x80)};
        model.pages[2] = {{Entry(3), Entry(4)}, DataText(2, 20, 0)};
        model.pages[3] = {};
        SeedEntries(1, model.pages[1].buttons, 1, 34, 0x80);
        SeedEntries(2, model.pages[2].buttons, 2, 20, 0);
    }

    std::string Probe() { return wt::TestDir() + "launch_probe.exe"; }
    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); }
    PageModel& Shown() { return model.pages[model.curPage]; }

    // An entry with texts whose second bytes include 0x5C.
    ButtonEntry Entry(int n) {
        static const char* const kTitles[] = {"", "表示", "ソフト", "ﾂｰﾙ", "予定表"};
        ButtonEntry e;
        e.Title = kTitles[n % 5];
        e.AppName = "C:\\soak\\表示ソ" + std::to_string(n) + ".txt";
        e.Dir = n % 2 ? "C:\\" : "";
        e.Parm = n % 3 ? "-n " + std::to_string(n) : "";
        e.ShowMode = n % 3;
        e.IconFile = n % 4 ? "" : "shell32.dll";
        e.IconIndex = n % 7;
        return e;
    }

    void SwitchByCommand() {
        const int page = 1 + static_cast<int>(Below(kPages + 1));  // one beyond the count too
        PostMessageA(BarWnd(), WM_COMMAND, IDM_PAGE_FIRST - 1 + page, 0);
        Pump();
        if (page <= model.pageCount) model.curPage = page;
    }

    void SwitchByKey() {
        const int page = 1 + static_cast<int>(Below(kPages + 1));
        HWND target = Shown().buttons.empty() ? BarWnd() : Bar().Buttons()[0]->Handle();
        PostMessageA(target, WM_KEYDOWN, VK_F1 + page - 1, 0);
        Pump();
        if (page <= model.pageCount) model.curPage = page;
    }

    void DropFiles() {
        if (Shown().buttons.size() >= kMostButtons) return DeleteButton();
        std::vector<std::string> files;
        for (size_t n = 1 + Below(3); n > 0; --n) {
            ButtonEntry e;
            e.AppName = Below(4) ? Entry(static_cast<int>(Below(1000))).AppName : Probe();
            files.push_back(e.AppName);
            Shown().buttons.push_back(e);
        }
        SendMessageA(BarWnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(wt::MakeDrop(files, {2, 2})),
                     0);
        Pump();
    }

    void Launch() {
        const auto& buttons = Shown().buttons;
        for (size_t k = 0; k < buttons.size(); ++k) {
            if (buttons[k].AppName != Probe()) continue;
            Click(k);
            ++launches;
            return;
        }
    }

    // As the properties dialog stores an edited button.
    void EditButton() {
        auto& buttons = Shown().buttons;
        if (buttons.empty()) return;
        const size_t k = Below(buttons.size());
        buttons[k] = Entry(static_cast<int>(Below(1000)));
        app->SaveButton(model.curPage, static_cast<int>(k) + 1, buttons[k]);
        Bar().Rebuild();
    }

    // As the button's menu deletes one: the later ones move down a slot, the
    // last slot's key goes, and the page section is written.
    void DeleteButton() {
        auto& buttons = Shown().buttons;
        if (buttons.empty()) return;
        const size_t k = Below(buttons.size());
        const int count = static_cast<int>(buttons.size());
        buttons.erase(buttons.begin() + static_cast<long>(k));
        for (size_t j = k; j < buttons.size(); ++j)
            app->SaveButton(model.curPage, static_cast<int>(j) + 1, buttons[j]);
        Bar().DeleteButtonKey(count);
        PageSetup setup = Bar().ShownSetup();
        setup.ButtonCount = count - 1;
        app->SavePageSetup(model.curPage, setup);
        Shown().data = DataText(setup.LineCount, setup.ButtonSize, setup.IconFlags);
        Bar().Rebuild();
    }

    // As the button size dialog stores a page's layout.
    void EditPage() {
        const PageSetup setup{static_cast<int>(Shown().buttons.size()),
                              1 + static_cast<int>(Below(3)), 15 + static_cast<int>(Below(36)),
                              Below(2) ? 0x80 : 0x40};
        app->SavePageSetup(model.curPage, setup);
        Shown().data = DataText(setup.LineCount, setup.ButtonSize, setup.IconFlags);
        Bar().Rebuild();
    }

    void RestoreState() {
        PostMessageA(BarWnd(), WM_COMMAND, IDM_RESTORE_STATE, 0);
        Pump();
        model.optionWritten = true;
    }

    void Paint() {
        RedrawWindow(BarWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageA(BarWnd(), WM_TIMER, 1, 0);
    }

    // The bar shows the model's page, button by button.
    void ExpectShownPage(const char* after) {
        ASSERT_EQ(Bar().Settings().curPage, model.curPage) << "after " << after;
        const auto& buttons = Shown().buttons;
        ASSERT_EQ(Bar().Buttons().size(), buttons.size()) << "after " << after;
        for (size_t k = 0; k < buttons.size(); ++k) {
            ButtonEntry shown;
            Bar().Buttons()[k]->GetEntry(shown);
            ASSERT_EQ(shown, buttons[k]) << "button " << k << " after " << after;
        }
    }

    // Measured with the buttons gone, so that the page shown does not count.
    // The kept icons' lists come with the icon sizes met, up to their bound
    // (and a loader's list of 16 and of 32 pixels): they are held to it,
    // and everything else must stay as it was.
    Counts Measure() {
        Bar().DestroyButtons();
        Pump();
        wt::LiveCounts live = ledger.Live();
        wt::OwnCounts own = wt::CountOwned();
        EXPECT_LE(own.imageLists, static_cast<long>(IconCacheIndex::kMaxSizes + 2));
        EXPECT_EQ(live[wt::Kind::ImageList], own.imageLists);
        live.counts[static_cast<int>(wt::Kind::ImageList)] = 0;
        own.imageLists = 0;
        Counts c{wt::Describe(live), own, 0};
        GetProcessHandleCount(GetCurrentProcess(), &c.kernel);
        Bar().Rebuild();
        return c;
    }

    void ExpectStoreHoldsTheModel() {
        EXPECT_EQ(wt::RawString("Setting", "Page"),
                  std::to_string(model.curPage) + "," + std::to_string(model.pageCount));
        if (model.optionWritten) {
            EXPECT_EQ(wt::RawDword("Setting", "Option"), 139u);
        }
        for (const auto& [page, content] : model.pages) {
            SCOPED_TRACE("page " + std::to_string(page));
            const std::string section = PageSection(page);
            const int count = static_cast<int>(content.buttons.size());
            EXPECT_EQ(wt::RawDword(section, "Num").value_or(0), static_cast<DWORD>(count));
            if (!content.data.empty()) {
                EXPECT_EQ(wt::RawString(section, "Data"), content.data);
            }
            for (int k = 0; k < count; ++k) ExpectSlot(page, k + 1, content.buttons[k]);
            EXPECT_FALSE(
                wt::KeyExists(std::string(wt::kRoot) + "\\" + ButtonSection(page, count + 1)));
        }
    }

    void ExpectSlot(int page, int slot, const ButtonEntry& e) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const std::string section = ButtonSection(page, slot);
        EXPECT_EQ(wt::RawString(section, "Title"), e.Title);
        EXPECT_EQ(wt::RawString(section, "AppName"), e.AppName);
        EXPECT_EQ(wt::RawString(section, "Dir"), e.Dir);
        EXPECT_EQ(wt::RawString(section, "Parm"), e.Parm);
        EXPECT_EQ(wt::RawString(section, "Icon"), e.IconFile);
        EXPECT_EQ(wt::RawString(section, "Data"),
                  std::to_string(e.ShowMode) + "," + std::to_string(e.IconIndex));
    }

    StoreModel model;
    std::mt19937 rng{static_cast<unsigned>(EnvNumber("TARVIX_SOAK_SEED", 7))};
    wt::HandleLedger ledger;
    wt::ProbeLog log;
    size_t launches = 0;
};

TEST_F(SlowSoakTest, MixedOperationsKeepTheStoreTheModelAndTheHandlesFlat) {
    Seed();
    Start();
    const std::vector<Operation> ops = Operations();
    int total = 0;
    for (const Operation& op : ops) total += op.weight;
    const long operations = std::max(EnvNumber("TARVIX_SOAK_OPERATIONS", 1500), long{kWarmUp});
    Counts warm;
    for (long i = 0; i < operations; ++i) {
        // Every kind runs once first, so that the warm-up meets them all.
        size_t pick = static_cast<size_t>(i);
        if (pick >= ops.size()) {
            int roll = static_cast<int>(Below(total));
            for (pick = 0; roll >= ops[pick].weight; ++pick) roll -= ops[pick].weight;
        }
        ops[pick].run();
        ExpectShownPage(ops[pick].name);
        if (HasFatalFailure()) return;
        if (i + 1 == kWarmUp) warm = Measure();
    }
    EXPECT_EQ(Measure(), warm) << "handles grew after the first " << kWarmUp << " operations";
    EXPECT_EQ(log.Wait(launches, 60000, [this] { Pump(); }).size(), launches)
        << "every launch started the probe";
    Exit();
    ExpectStoreHoldsTheModel();
}

}  // namespace
