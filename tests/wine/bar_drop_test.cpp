// Files dropped onto the bar, as real drop handles through the bar's window
// procedure: the strip adds buttons, a button opens them, an empty cell
// does nothing.

#include <shlobj.h>

#include "tests/wine/bar_fixture.h"
#include "tests/wine/drop_support.h"
#include "tests/wine/handle_ledger.h"
#include "tests/wine/modal_script.h"
#include "tests/wine/probe_support.h"
#include "win/ansi_file_name.h"

namespace {

// The same with UTF-16 names, as most programs drop them.
HDROP MakeWideDrop(const std::vector<std::wstring>& files, POINT pt) {
    std::wstring names;
    for (const std::wstring& f : files) names += f + L'\0';
    names += L'\0';
    const size_t bytes = names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = pt;
    drop->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), bytes);
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

class BarDropTest : public BarFixture {
protected:
    void Drop(const std::vector<std::string>& files, int x, int y) {
        SendMessageA(BarWnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(wt::MakeDrop(files, {x, y})),
                     0);
        Pump();
    }
    std::string AppName(int page, int slot) {
        return wt::RawString(ButtonSection(page, slot), "AppName").value_or("<none>");
    }
};

TEST_F(BarDropTest, FilesOnTheStripBecomeButtonsAfterTheLast) {
    SeedPage(1, 2, 1, 34);
    Start();
    Drop({"C:\\a\\one.exe", "C:\\表示\\ソ.txt", "C:\\dir"}, 5, 10);
    EXPECT_EQ(AppName(1, 1), "C:\\t\\b1.exe");
    EXPECT_EQ(AppName(1, 3), "C:\\a\\one.exe");
    EXPECT_EQ(AppName(1, 4), "C:\\表示\\ソ.txt");
    EXPECT_EQ(AppName(1, 5), "C:\\dir");
    for (int slot = 3; slot <= 5; ++slot) {
        SCOPED_TRACE(slot);
        for (const char* text : {"Title", "Dir", "Parm", "Icon"})
            EXPECT_EQ(wt::RawString(ButtonSection(1, slot), text), "") << text;
        EXPECT_EQ(wt::RawString(ButtonSection(1, slot), "Data"), "0,0");
    }
    EXPECT_EQ(wt::RawDword("Page1\\Button", "Num"), 5u);
    EXPECT_EQ(Bar().Buttons().size(), 5u);
    EXPECT_EQ(VisibleButtonCount(), 5);
    EXPECT_EQ(Bar().Tips().GetToolCount(), 6);
    RECT r = WindowRect();
    EXPECT_EQ(r.right - r.left, Bar().ClockExtent() + 5 * 34) << "the bar grows";
}

TEST_F(BarDropTest, EmptyPageGetsSlotsFromOne) {
    Start();
    Drop({"C:\\x.exe", "C:\\y.exe"}, 2, 2);
    EXPECT_EQ(AppName(1, 1), "C:\\x.exe");
    EXPECT_EQ(AppName(1, 2), "C:\\y.exe");
    EXPECT_EQ(wt::RawDword("Page1\\Button", "Num"), 2u);
    EXPECT_EQ(Bar().Buttons().size(), 2u);
}

TEST_F(BarDropTest, DropOnAnEmptyCellDoesNothing) {
    SeedPage(1, 3, 2, 34);  // two per line: the cell after the last is empty
    Start();
    const std::vector<std::string> before = StoreValues();
    const int s = Bar().ClockExtent();
    Drop({"C:\\x.exe"}, s + 34 + 10, 34 + 10);
    EXPECT_EQ(StoreValues(), before);
    EXPECT_EQ(Bar().Buttons().size(), 3u);
}

TEST_F(BarDropTest, DropOnAButtonOpensEachFileWithIt) {
    wt::ProbeLog log;
    ButtonEntry probe;
    probe.AppName = wt::TestDir() + "launch_probe.exe";
    probe.Parm = "-n";
    ButtonEntry other;
    other.AppName = "C:\\no\\such.exe";
    SeedEntries(1, {other, probe});
    Start();
    const std::vector<std::string> before = StoreValues();
    const int s = Bar().ClockExtent();
    wt::HandleLedger ledger;
    Drop({"C:\\My Docs\\a.txt", "C:\\b.txt"}, s + 34 + 5, 20);
    EXPECT_EQ(ledger.ShellStarts(), std::vector<std::string>(2, probe.AppName)) << "once per file";
    auto runs = wt::ByArguments(log.Wait(2, 15000, [this] { Pump(); }));
    EXPECT_EQ(runs.count("\"C:\\My Docs\\a.txt\""), 1u);
    EXPECT_EQ(runs.count("\"C:\\b.txt\""), 1u);
    EXPECT_EQ(StoreValues(), before) << "opening files writes nothing";
}

// The tips, which tell a drop's button, are made after the first paint; a
// drop that comes before them opens its file with the button all the same.
TEST_F(BarDropTest, DropBeforeTheTipsOpensTheFileWithTheButton) {
    wt::ProbeLog log;
    ButtonEntry probe;
    probe.AppName = wt::TestDir() + "launch_probe.exe";
    probe.Parm = "-n";
    SeedEntries(1, {probe});
    app = std::make_unique<CLauncherApp>();
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(Bar().Tips().Handle(), nullptr) << "no tips before the first paint";
    wt::HandleLedger ledger;
    Drop({"C:\\a.txt"}, Bar().ClockExtent() + 5, 20);
    EXPECT_EQ(ledger.ShellStarts(), std::vector<std::string>{probe.AppName});
    EXPECT_EQ(log.Wait(1, 15000, [this] { Pump(); }).size(), 1u);
    EXPECT_EQ(Bar().Tips().GetToolCount(), 2) << "the bar's tool and the button's";
}

TEST_F(BarDropTest, DropListingNoFilesRewritesTheCount) {
    Start();
    ASSERT_FALSE(wt::RawDword("Page1\\Button", "Num"));
    Drop({}, 3, 3);
    EXPECT_EQ(wt::RawDword("Page1\\Button", "Num"), 0u);
    EXPECT_TRUE(Bar().Buttons().empty());
    EXPECT_FALSE(wt::KeyExists("Software\\Quenlow\\Lumeq\\Page1\\Btn1"))
        << "no button for an empty name";
}

TEST_F(BarDropTest, VerticalLayoutDecidesByTheTenPixelBand) {
    wt::ProbeLog log;
    ButtonEntry probe;
    probe.AppName = wt::TestDir() + "launch_probe.exe";
    SeedSetting("Option", 0x8F);
    SeedEntries(1, {probe});
    Start();
    Drop({"C:\\new.exe"}, 20, 9);
    EXPECT_EQ(AppName(1, 2), "C:\\new.exe");
    ASSERT_EQ(Bar().Buttons().size(), 2u);
    Drop({"C:\\doc.txt"}, 20, 10 + 5);
    auto runs = log.Wait(1, 15000, [this] { Pump(); });
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(wt::ArgumentsOf(runs[0]["cmdline"]), "\"C:\\doc.txt\"");
    EXPECT_EQ(wt::RawDword("Page1\\Button", "Num"), 2u);
}

TEST_F(BarDropTest, LongAndWidePathsAreKeptWhole) {
    std::string longPath = "C:\\";
    while (longPath.size() < 400) longPath += "長いフォルダ名\\";
    longPath += "file.txt";
    Start();
    Drop({longPath}, 2, 2);
    EXPECT_EQ(AppName(1, 1), longPath) << "no cut at 260 bytes";
    SendMessageA(BarWnd(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeWideDrop({L"C:\\\u8868\u793a\\\u30bd.txt"}, {2, 2})),
                 0);
    Pump();
    EXPECT_EQ(AppName(1, 2), "C:\\表示\\ソ.txt");
    EXPECT_EQ(wt::RawDword("Page1\\Button", "Num"), 2u);
}

// "café probe.exe", a copy of the probe that code page 932 cannot name.
std::wstring CafeProbe() {
    const std::wstring probe = WideOf(wt::ScratchDir("drop_names")) + L"caf\u00e9 probe.exe";
    CopyFileW(WideOf(wt::TestDir() + "launch_probe.exe").c_str(), probe.c_str(), FALSE);
    return probe;
}

const char kLeftOut[] = "次のﾌｧｲﾙは名前に扱えない文字が含まれるため、使用できません。\n";

TEST_F(BarDropTest, NamesOutsideShiftJisTakeTheShortNameOrAreLeftOut) {
    wt::ProbeLog log;
    const std::wstring probe = CafeProbe();
    SeedPage(1, 1, 1, 34);
    Start();
    wt::ModalScript script;  // told once: a second box fails it
    script.OnMessage([this](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(), std::string(kLeftOut) + "\nC:\\nowhere\\caf?.exe");
        EXPECT_EQ(box.Icon(), LoadIconA(nullptr, IDI_WARNING));
        EXPECT_EQ(box.ButtonIds(), std::vector<int>{IDOK});
        EXPECT_EQ(box.Owner(), BarWnd());
        box.Press(IDOK);
    });
    SendMessageA(BarWnd(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(
                     MakeWideDrop({probe, L"C:\\nowhere\\caf\u00e9.exe", L"C:\\a.exe"}, {2, 2})),
                 0);
    Pump();
    EXPECT_TRUE(script.Done());
    const std::string kept = AppName(1, 2);
    EXPECT_EQ(kept.find("caf"), std::string::npos) << kept << ": the short name, no look-alike";
    EXPECT_EQ(AppName(1, 3), "C:\\a.exe") << "the others go on";
    EXPECT_EQ(wt::RawDword("Page1\\Button", "Num"), 3u);
    ASSERT_EQ(Bar().Buttons().size(), 3u);
    Click(1);
    EXPECT_EQ(log.Wait(1, 15000, [this] { Pump(); }).size(), 1u) << "the button starts it";
}

// A thousand buttons, loaded twice, take seconds under Wine.
class SlowBarDropTest : public BarDropTest {};

TEST_F(SlowBarDropTest, DropsBeyondAHandEditedCountStayWithinRange) {
    wt::RawWriteDword("Page1\\Button", "Num", 2147483646);
    wt::RawWriteString("Page1\\Button", "Data", "1,15");
    Start();
    Drop({"C:\\a.exe", "C:\\b.exe", "C:\\c.exe"}, 2, 2);
    EXPECT_EQ(AppName(1, 2147483647), "C:\\a.exe");
    EXPECT_EQ(wt::RawDword("Page1\\Button", "Num"), 2147483647u);
    EXPECT_EQ(Bar().Buttons().size(), static_cast<size_t>(kMaxPageButtons));
}

}  // namespace
