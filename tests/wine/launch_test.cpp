// Clicking real bar buttons starts their targets the way the design says:
// checked by probe programs that record how they were started.

#include "tests/wine/bar_fixture.h"
#include "tests/wine/modal_script.h"
#include "tests/wine/probe_support.h"

namespace {

class LaunchTest : public BarFixture {
protected:
    std::string Probe() { return wt::TestDir() + "launch_probe.exe"; }
    std::string Folder() {  // the probe's folder as a current directory shows it
        std::string dir = wt::TestDir();
        return dir.substr(0, dir.size() - 1);
    }
    static ButtonEntry Entry(const std::string& path, const std::string& parm = "", int show = 0,
                             const std::string& dir = "") {
        ButtonEntry e;
        e.AppName = path;
        e.Parm = parm;
        e.ShowMode = show;
        e.Dir = dir;
        return e;
    }
    std::vector<wt::ProbeLog::Entry> WaitFor(size_t count) {
        return log.Wait(count, 15000, [this] { Pump(); });
    }

    wt::ProbeLog log;
};

TEST_F(LaunchTest, ProgramGetsItsParametersDirectoryAndShowCommand) {
    SeedEntries(
        1, {Entry(Probe(), "first \"sec ond\" 表示", 0), Entry(Probe(), "-min", 1, "C:\\windows\\"),
            Entry(Probe(), "", 2), Entry(Probe(), "-odd", 7)});
    Start();
    for (size_t k = 0; k < 4; ++k) {
        Click(k);
        ASSERT_EQ(WaitFor(k + 1).size(), k + 1) << "button " << k << " started nothing";
    }
    auto runs = log.Read();
    EXPECT_EQ(wt::ArgumentsOf(runs[0]["cmdline"]), "first \"sec ond\" 表示");
    EXPECT_EQ(runs[0]["cwd"], Folder()) << "the target's own folder";
    EXPECT_EQ(runs[0]["show"], "5") << "SW_SHOW, not SW_SHOWNORMAL";
    EXPECT_EQ(runs[0]["flags"], "1") << "STARTF_USESHOWWINDOW";
    EXPECT_EQ(wt::ArgumentsOf(runs[1]["cmdline"]), "-min");
    EXPECT_EQ(runs[1]["cwd"], "C:\\windows");
    EXPECT_EQ(runs[1]["show"], "2");
    EXPECT_EQ(wt::ArgumentsOf(runs[2]["cmdline"]), "");
    EXPECT_EQ(runs[2]["show"], "3");
    EXPECT_EQ(runs[3]["show"], "5");
}

TEST_F(LaunchTest, ComProgramsAndMixedCaseExtensionsArePrograms) {
    const std::string dir = wt::ScratchDir("tarvix-launch");
    ASSERT_TRUE(wt::CopyTo(Probe(), dir + "Probe.Com"));
    ASSERT_TRUE(wt::CopyTo(Probe(), dir + "Probe2.EXE"));
    SeedEntries(1, {Entry(dir + "Probe.Com", "-c"), Entry(dir + "Probe2.EXE", "-e")});
    Start();
    Click(0);
    Click(1);
    auto runs = wt::ByArguments(WaitFor(2));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs["-c"]["module"], dir + "Probe.Com");
    EXPECT_EQ(runs["-e"]["module"], dir + "Probe2.EXE");
    EXPECT_EQ(runs["-c"]["cwd"] + "\\", dir);
}

TEST_F(LaunchTest, DocumentOpensWithoutItsStoredParameters) {
    wt::DocumentType type(".tvxprobe", Probe());
    const std::string dir = wt::ScratchDir("tarvix-doc");
    const std::string doc = dir + "memo.tvxprobe";
    CloseHandle(CreateFileA(doc.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    SeedEntries(1, {Entry(doc, "/p")});
    Start();
    Click(0);
    auto runs = WaitFor(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(wt::ArgumentsOf(runs[0]["cmdline"]), "\"" + doc + "\" ");
    EXPECT_EQ(runs[0]["cwd"] + "\\", dir);
}

// A rundll32.exe beside the program (as in a downloads folder) is not the
// one that opens applets: the system's is started by its full path.
TEST_F(LaunchTest, AppletIsOpenedByTheSystemsRundll32) {
    const std::string standIn = wt::TestDir() + "rundll32.exe";
    struct Remove {
        std::string path;
        ~Remove() { DeleteFileA(path.c_str()); }
    } remove{standIn};
    ASSERT_TRUE(wt::CopyTo(Probe(), standIn));
    const std::string applet = wt::ScratchDir("tarvix-applet") + "probe_applet.cpl";
    ASSERT_TRUE(wt::CopyTo(wt::TestDir() + "probe_applet.cpl", applet));
    SeedEntries(1, {Entry(applet, "-ignored", 2, "C:\\ignored")});
    Start();
    Click(0);
    auto runs = WaitFor(1);
    ASSERT_EQ(runs.size(), 1u) << "the applet was not opened";
    EXPECT_EQ(runs[0]["module"], "") << "the stand-in ran: " << runs[0]["module"];
    EXPECT_EQ(runs[0]["applet"], "opened");
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    EXPECT_EQ(runs[0]["cmdline"],
              std::string(system) + "\\rundll32.exe shell32.dll,Control_RunDLL " + applet + ",,0");
}

TEST_F(LaunchTest, FailedStartsAreReportedWithThePath) {
    SeedEntries(1, {Entry("C:\\x.exe"), Entry("C:\\nowhere\\a.txt", "-p"), Entry("")});
    Start();
    wt::ModalScript script;
    for (const char* path : {"C:\\x.exe", "C:\\nowhere\\a.txt", ""})
        script.OnMessage([this, path](wt::ScriptWindow& box) {
            EXPECT_EQ(box.MessageText(), std::string(path) + "の起動に失敗しました。");
            EXPECT_EQ(box.ButtonIds(), std::vector<int>{IDOK});
            EXPECT_EQ(box.Icon(), LoadIconA(nullptr, IDI_WARNING));
            EXPECT_EQ(box.Owner(), BarWnd()) << "owned by the bar, so never behind it";
            box.Press(IDOK);
        });
    for (size_t k = 0; k < 3; ++k) Click(k);
    Pump();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Bar().Buttons().size(), 3u) << "a failure changes nothing";
}

TEST_F(LaunchTest, DroppedFileIsTheOnlyParameter) {
    SeedEntries(1, {Entry(Probe(), "-n", 1)});
    Start();
    Bar().Buttons()[0]->RunWithFile("C:\\My Docs\\a.txt");
    Bar().Buttons()[0]->RunWithFile("C:\\表示\\ソ.txt");
    auto runs = wt::ByArguments(WaitFor(2));
    ASSERT_EQ(runs.size(), 2u);
    ASSERT_EQ(runs.count("\"C:\\My Docs\\a.txt\""), 1u);
    ASSERT_EQ(runs.count("\"C:\\表示\\ソ.txt\""), 1u);
    EXPECT_EQ(runs["\"C:\\My Docs\\a.txt\""]["show"], "2");
    EXPECT_EQ(runs["\"C:\\My Docs\\a.txt\""]["cwd"], Folder());
}

TEST_F(LaunchTest, KeyboardActivationStartsTheFocusedButton) {
    SeedEntries(1, {Entry(Probe(), "-a"), Entry(Probe(), "-b")});
    Start();
    SendMessageA(BarWnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Bar().Buttons()[1]->Handle()),
                 TRUE);
    // Space on a focused push button clicks it.
    HWND button = Bar().Buttons()[1]->Handle();
    PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageA(button, WM_KEYUP, VK_SPACE, 0xC0390001);
    auto runs = WaitFor(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(wt::ArgumentsOf(runs[0]["cmdline"]), "-b");
}

}  // namespace
