#include "buttons/launch_plan.h"

#include <gtest/gtest.h>

#include "core/sjis.h"

namespace {

LaunchTarget Target(const char* path, const char* dir = "", const char* parm = "", int show = 0) {
    return LaunchTarget{path, dir, parm, show};
}

constexpr const char* kSystemDir = "C:\\windows\\system32";

LaunchAction PlanStart(const LaunchTarget& target) {
    return ::PlanStart(target, kSystemDir);
}

TEST(LaunchPlan, KindByExtensionWithoutRegardToCase) {
    struct Row {
        const char* path;
        TargetKind kind;
    } rows[] = {
        {"C:\\Tools\\App.EXE", TargetKind::Program},
        {"C:\\Tools\\App.Com", TargetKind::Program},
        {"C:\\Tools\\Main.CPL", TargetKind::ControlPanel},
        {"C:\\Dir.old\\tool", TargetKind::Document},
        {"C:\\Memo\\a.txt", TargetKind::Document},
        {"C:\\link.lnk", TargetKind::Document},
        {"C:\\folder", TargetKind::Document},
        {"C:\\表\\x.exe", TargetKind::Program},
        {"C:\\a.exe.txt", TargetKind::Document},
        {"C:\\a.ex", TargetKind::Document},
        {"", TargetKind::Document},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.path);
        EXPECT_EQ(KindOf(sjis::Extension(r.path)), r.kind);
    }
}

TEST(LaunchPlan, ProgramGetsParametersDirectoryAndShowCommand) {
    LaunchAction a = PlanStart(Target("C:\\Tools\\app.exe", "", "-n \"x y\"", 0));
    EXPECT_EQ(a.call, LaunchAction::Call::ShellExecute);
    EXPECT_EQ(a.file, "C:\\Tools\\app.exe");
    EXPECT_EQ(a.parameters, std::optional<std::string>("-n \"x y\""));
    EXPECT_EQ(a.directory, "C:\\Tools\\");
    EXPECT_EQ(a.showCommand, kShowNormal);
}

TEST(LaunchPlan, ProgramWithoutParametersGetsAnEmptyText) {
    LaunchAction a = PlanStart(Target("C:\\Tools\\app.com"));
    ASSERT_TRUE(a.parameters.has_value());
    EXPECT_EQ(*a.parameters, "");
}

TEST(LaunchPlan, WorkingDirectory) {
    struct Row {
        const char* path;
        const char* dir;
        const char* expected;
    } rows[] = {
        {"C:\\Tools\\app.exe", "", "C:\\Tools\\"},
        {"C:\\Tools\\app.exe", "D:\\Work", "D:\\Work"},  // stored text as it is
        {"C:\\Tools\\app.exe", " ", " "},
        {"app.exe", "", ""},
        {"C:app.exe", "", "C:"},
        {"\\\\srv\\share\\app.exe", "", "\\\\srv\\share\\"},
        {"C:\\ソフト\\表.exe", "", "C:\\ソフト\\"},  // trail bytes 0x5C are not separators
        {"C:\\a/b/c.exe", "", "C:\\a/b/"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.path) + " | " + r.dir);
        EXPECT_EQ(WorkingDirectory(Target(r.path, r.dir)), r.expected);
        EXPECT_EQ(PlanStart(Target(r.path, r.dir)).directory, r.expected);
    }
}

TEST(LaunchPlan, ShowModes) {
    struct Row {
        int mode, show;
    } rows[] = {{0, 5}, {1, 2}, {2, 3}, {3, 5}, {-1, 5}, {2147483647, 5}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        EXPECT_EQ(ShowCommandFor(r.mode), r.show);
        EXPECT_EQ(PlanStart(Target("C:\\a.exe", "", "", r.mode)).showCommand, r.show);
        EXPECT_EQ(PlanStart(Target("C:\\a.txt", "", "", r.mode)).showCommand, r.show);
    }
}

TEST(LaunchPlan, DocumentsAreOpenedWithoutParameters) {
    LaunchAction a = PlanStart(Target("C:\\Memo\\a.txt", "", "/p", 1));
    EXPECT_EQ(a.call, LaunchAction::Call::ShellExecute);
    EXPECT_EQ(a.file, "C:\\Memo\\a.txt");
    EXPECT_FALSE(a.parameters.has_value());
    EXPECT_EQ(a.directory, "C:\\Memo\\");
    EXPECT_EQ(a.showCommand, kShowMinimized);
    EXPECT_FALSE(PlanStart(Target("C:\\Dir.old\\tool", "", "-x")).parameters.has_value());
}

TEST(LaunchPlan, AppletsRunThroughTheSystemsRundll32Unquoted) {
    LaunchAction a = PlanStart(Target("C:\\Program Files\\x.cpl", "C:\\ignored", "-p", 2));
    EXPECT_EQ(a.call, LaunchAction::Call::WinExec);
    EXPECT_EQ(a.commandLine,
              "C:\\windows\\system32\\rundll32.exe shell32.dll,Control_RunDLL "
              "C:\\Program Files\\x.cpl,,0");
    struct Row {
        const char* systemDir;
        const char* program;
    } rows[] = {
        {"C:\\WINDOWS\\system32", "C:\\WINDOWS\\system32\\rundll32.exe"},
        {"D:\\", "D:\\rundll32.exe"},
        {"C:\\表", "C:\\表\\rundll32.exe"},  // its trail byte 0x5C is no separator
        {"C:\\My Windows\\system32", "\"C:\\My Windows\\system32\\rundll32.exe\""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.systemDir);
        EXPECT_EQ(AppletCommandLine(r.systemDir, "Main.CPL"),
                  std::string(r.program) + " shell32.dll,Control_RunDLL Main.CPL,,0");
    }
    EXPECT_EQ(AppletCommandLine("", "Main.CPL"), "") << "no bare rundll32 to search for";
}

TEST(LaunchPlan, DroppedFileIsTheOnlyParameterInQuotes) {
    LaunchAction a =
        PlanRunWithFile(Target("C:\\Editor\\ed.exe", "", "-n", 2), "C:\\My Docs\\a.txt");
    EXPECT_EQ(a.call, LaunchAction::Call::ShellExecute);
    EXPECT_EQ(a.file, "C:\\Editor\\ed.exe");
    EXPECT_EQ(a.parameters, std::optional<std::string>("\"C:\\My Docs\\a.txt\""));
    EXPECT_EQ(a.directory, "C:\\Editor\\");
    EXPECT_EQ(a.showCommand, kShowMaximized);
    // Every kind goes this way, an applet too.
    LaunchAction applet = PlanRunWithFile(Target("C:\\x.cpl"), "C:\\表示.txt");
    EXPECT_EQ(applet.call, LaunchAction::Call::ShellExecute);
    EXPECT_EQ(applet.file, "C:\\x.cpl");
    EXPECT_EQ(applet.parameters, std::optional<std::string>("\"C:\\表示.txt\""));
}

TEST(LaunchPlan, FailureTexts) {
    EXPECT_EQ(ShellFailureText("C:\\x.exe"), "C:\\x.exeの起動に失敗しました。");
    EXPECT_STREQ(kWinExecFailureText, "Error ");
}

}  // namespace
