// The change-icon, button properties and button size dialogs, run modally
// and driven from inside their loops. They use neither the store nor the
// bar; they sit with the bar tests for the handle ledger, which watches
// the whole program.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "dialogs/button_prop_dlg.h"
#include "dialogs/button_size_dlg.h"
#include "dialogs/icon_select_dlg.h"
#include "res/resource.h"
#include "tests/wine/handle_ledger.h"
#include "tests/wine/modal_script.h"
#include "tests/wine/probe_support.h"
#include "win/ansi_file_name.h"

namespace {

std::string Library() {
    return wt::TestDir() + "icons20.dll";
}
std::string IcoFile(int k) {
    char name[32];
    wsprintfA(name, "test_icons\\icon%02d.ico", k);
    return wt::TestDir() + name;
}

// The number of the library icon a picture shows (its red is 10k+5), -1
// for an empty picture.
int ShownIcon(const wt::ScriptWindow& w, int id) {
    auto icon = reinterpret_cast<HICON>(SendMessageA(w.Item(id), STM_GETICON, 0, 0));
    if (!icon) return -1;
    return (static_cast<int>(GetRValue(wt::IconPixel(icon, 16, 16))) - 5) / 10;
}

void PressTimes(const wt::ScriptWindow& w, int id, int times) {
    for (int i = 0; i < times; ++i) w.Press(id);
}

void Click(const wt::ScriptWindow& w, int id) {
    PostMessageA(w.Item(id), BM_CLICK, 0, 0);
}

const char kChangeIcon[] = "ｱｲｺﾝの変更";

TEST(IconSelectDlgTest, ArrowsWalkTheLibraryAndStopAtBothEnds) {
    CIconSelectDlg dlg;
    dlg.m_appPath = Library();
    dlg.m_iconIndex = 7;
    wt::ModalScript script;
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 7);
        EXPECT_EQ(w.Text(IDC_ICON_FILE), "");
        PressTimes(w, IDC_ICON_NEXT, 12);
    });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 19);
        w.Press(IDC_ICON_NEXT);
    });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 19) << "no wrap past the last";
        PressTimes(w, IDC_ICON_PREV, 20);
    });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 0) << "no wrap before the first";
        PressTimes(w, IDC_ICON_NEXT, 3);
        w.Press(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_EQ(dlg.m_iconIndex, 3);
    EXPECT_EQ(dlg.m_iconFile, "");
}

TEST(IconSelectDlgTest, NumbersOutsideTheFileStartAtZero) {
    for (int start : {25, 20, -1}) {
        SCOPED_TRACE(start);
        CIconSelectDlg dlg;
        dlg.m_appPath = "C:\\no\\such.exe";
        dlg.m_iconFile = Library();
        dlg.m_iconIndex = start;
        wt::ModalScript script;
        script.On(kChangeIcon, [](wt::ScriptWindow& w) {
            EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 0);
            w.Press(IDOK);
        });
        ASSERT_EQ(dlg.DoModal(nullptr), IDOK);
        EXPECT_EQ(dlg.m_iconIndex, 0);
        EXPECT_EQ(dlg.m_iconFile, Library());
    }
}

TEST(IconSelectDlgTest, AnIcoSourceDoesNotMove) {
    CIconSelectDlg dlg;
    dlg.m_appPath = Library();
    dlg.m_iconFile = IcoFile(3);
    int before = -2;
    wt::ModalScript script;
    script.On(kChangeIcon, [&before](wt::ScriptWindow& w) {
        before = ShownIcon(w, IDC_ICON_PREVIEW);
        EXPECT_NE(before, -1);
        w.Press(IDC_ICON_NEXT);
        w.Press(IDC_ICON_PREV);
    });
    script.On(kChangeIcon, [&before](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), before);
        w.Press(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_EQ(dlg.m_iconIndex, 0);
    EXPECT_EQ(dlg.m_iconFile, IcoFile(3));
}

TEST(IconSelectDlgTest, DefaultIconAndTypedFileStartAtZero) {
    CIconSelectDlg dlg;
    dlg.m_appPath = Library();
    dlg.m_iconFile = IcoFile(3);
    wt::ModalScript script;
    script.On(kChangeIcon, [](wt::ScriptWindow& w) { w.Press(IDC_ICON_DEFAULT); });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_ICON_FILE), "") << "the target's own icons";
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 0);
        PressTimes(w, IDC_ICON_NEXT, 4);
    });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 4);
        w.Type(IDC_ICON_FILE, Library());
    });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 0) << "icon 0 of the typed file";
        w.Press(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_EQ(dlg.m_iconFile, Library());
    EXPECT_EQ(dlg.m_iconIndex, 0);
}

// The open-file dialog, given a name as the user types it.
void ChooseInFileDialog(wt::ModalScript& script, const std::string& path) {
    script.On("開く", [path](wt::ScriptWindow& w) {
        SetWindowTextA(w.Item(0x47c), path.c_str());  // the file name box
        w.Press(IDOK);
    });
}

TEST(IconSelectDlgTest, ChoosingTheTargetInAnotherCaseEmptiesTheFile) {
    CIconSelectDlg dlg;
    dlg.m_appPath = Library();
    dlg.m_iconFile = IcoFile(3);
    std::string upper = Library();
    CharUpperA(upper.data());
    wt::ModalScript script;
    script.On(kChangeIcon, [](wt::ScriptWindow& w) { w.Press(IDC_ICON_BROWSE); });
    ChooseInFileDialog(script, upper);
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_ICON_FILE), "");
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 0);
        w.Press(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_EQ(dlg.m_iconFile, "");
    EXPECT_EQ(dlg.m_iconIndex, 0);
}

const char kEdit[] = "編集";

void ExpectNoPathRefused(wt::ModalScript& script) {
    script.OnMessage([](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(), "ﾌﾙﾊﾟｽが指定されていません。");
        char owner[16] = {};
        GetWindowTextA(box.Owner(), owner, sizeof owner);
        EXPECT_STREQ(owner, kEdit) << "owned by the dialog";
        box.Press(IDOK);
    });
    script.On(kEdit, [](wt::ScriptWindow& w) { EXPECT_EQ(w.Focus(), w.Item(IDC_PROP_PATH)); });
}

TEST(ButtonPropDlgTest, EmptyAndBlankPathsAreRefusedAndTextsTrimmed) {
    ButtonEntry entry;
    entry.IconIndex = 2;
    wt::ModalScript script;
    script.On(kEdit, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_PROP_ICON), -1) << "no path, no icon";
        w.Type(IDC_PROP_PATH, Library());
        EXPECT_EQ(ShownIcon(w, IDC_PROP_ICON), 0);
        w.Type(IDC_PROP_PATH, "");
        EXPECT_EQ(ShownIcon(w, IDC_PROP_ICON), -1) << "a path typed away";
        w.Press(IDOK);
    });
    ExpectNoPathRefused(script);
    script.On(kEdit, [](wt::ScriptWindow& w) {
        w.Type(IDC_PROP_PATH, " \t  ");
        w.Press(IDOK);
    });
    ExpectNoPathRefused(script);
    script.On(kEdit, [](wt::ScriptWindow& w) {
        w.Type(IDC_PROP_TITLE, "  ﾒﾓ ");
        w.Type(IDC_PROP_PATH, " C:\\windows\\notepad.exe  ");
        w.Type(IDC_PROP_DIR, " C:\\ソ\\ ");
        w.Type(IDC_PROP_PARM, " -a  ");
        w.Press(IDOK);
    });
    ASSERT_TRUE(EditButtonEntry(nullptr, kEdit, entry));
    EXPECT_EQ(entry.Title, "ﾒﾓ");
    EXPECT_EQ(entry.AppName, "C:\\windows\\notepad.exe");
    EXPECT_EQ(entry.Dir, "C:\\ソ\\");
    EXPECT_EQ(entry.Parm, " -a  ") << "parameters keep their blanks";
    EXPECT_EQ(entry.IconIndex, 0) << "a new target starts at its first icon";
    EXPECT_EQ(entry.ShowMode, 0);
}

TEST(ButtonPropDlgTest, LongShiftJisTextsSurviveAndUnknownSizeSelectsNothing) {
    ButtonEntry entry;
    for (int i = 0; i < 100; ++i) entry.AppName += "ソ表";  // 400 bytes, trail bytes 0x5C
    entry.Title = "表示";
    entry.Parm = entry.AppName;
    entry.IconFile = Library();
    entry.IconIndex = 5;
    entry.ShowMode = 5;
    const ButtonEntry before = entry;
    wt::ModalScript script;
    script.On(kEdit, [](wt::ScriptWindow& w) {
        EXPECT_EQ(SendMessageA(w.Item(IDC_PROP_SHOW), CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(SendMessageA(w.Item(IDC_PROP_SHOW), CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(ShownIcon(w, IDC_PROP_ICON), 5) << "the icon file's icon 5";
        w.Press(IDOK);
    });
    ASSERT_TRUE(EditButtonEntry(nullptr, kEdit, entry));
    EXPECT_EQ(entry.AppName, before.AppName) << "byte for byte";
    EXPECT_EQ(entry.Parm, before.Parm);
    EXPECT_EQ(entry.IconFile, before.IconFile);
    EXPECT_EQ(entry.IconIndex, 5);
    EXPECT_EQ(entry.ShowMode, -1) << "no size selected";
}

// The open-file dialog, given a name that code page 932 may not hold.
void ChooseWideInFileDialog(wt::ModalScript& script, const std::wstring& path) {
    script.On("開く", [path](wt::ScriptWindow& w) {
        SetWindowTextW(w.Item(0x47c), path.c_str());
        w.Press(IDOK);
    });
}

TEST(ButtonPropDlgTest, ChosenNamesOutsideShiftJisTakeTheShortNameOrAreRefused) {
    const std::string dir = wt::ScratchDir("chosen_names");
    const std::wstring cafe = WideOf(dir) + L"caf\u00e9.exe";
    ASSERT_TRUE(CopyFileW(WideOf(Library()).c_str(), cafe.c_str(), FALSE));
    auto kept = std::make_shared<std::string>();
    wt::ModalScript script;
    script.On(kEdit, [](wt::ScriptWindow& w) { w.Press(IDC_PROP_BROWSE); });
    ChooseWideInFileDialog(script, cafe);
    script.On(kEdit, [kept](wt::ScriptWindow& w) {
        *kept = w.Text(IDC_PROP_PATH);
        EXPECT_EQ(kept->find("caf"), std::string::npos) << *kept << ": the short name";
        EXPECT_EQ(ShownIcon(w, IDC_PROP_ICON), 0) << "its icons through the short name";
        w.Press(IDC_PROP_BROWSE);
    });
    ChooseWideInFileDialog(script, WideOf(dir) + L"caf\u00e9 gone.exe");
    script.OnMessage([dir](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(),
                  "次のﾌｧｲﾙは名前に扱えない文字が含まれるため、使用できません。\n\n" + dir +
                      "caf? gone.exe");
        char owner[16] = {};
        GetWindowTextA(box.Owner(), owner, sizeof owner);
        EXPECT_STREQ(owner, kEdit) << "owned by the dialog";
        box.Press(IDOK);
    });
    script.On(kEdit, [kept](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_PROP_PATH), *kept) << "not put in the field";
        w.Press(IDCANCEL);
    });
    ButtonEntry entry;
    EXPECT_FALSE(EditButtonEntry(nullptr, kEdit, entry));
    EXPECT_TRUE(script.Done());
}

TEST(ButtonPropDlgTest, ChangeIconAndCancelReturnNothing) {
    ButtonEntry entry;
    entry.AppName = Library();
    entry.IconIndex = 2;
    const ButtonEntry before = entry;
    wt::ModalScript script;
    script.On(kEdit, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_PROP_ICON), 2);
        w.Press(IDC_PROP_CHANGE_ICON);
    });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 2);
        PressTimes(w, IDC_ICON_NEXT, 2);
        w.Press(IDOK);
    });
    script.On(kEdit, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_PROP_ICON), 4);
        w.Type(IDC_PROP_TITLE, "x");
        w.Press(IDCANCEL);
    });
    EXPECT_FALSE(EditButtonEntry(nullptr, kEdit, entry));
    EXPECT_EQ(entry, before);
}

TEST(ButtonPropDlgTest, ChangeIconShowsThePathJustTyped) {
    ButtonEntry entry;
    entry.AppName = "C:\\windows\\notepad.exe";  // one icon
    wt::ModalScript script;
    script.On(kEdit, [](wt::ScriptWindow& w) {
        w.Type(IDC_PROP_PATH, Library());
        w.Press(IDC_PROP_CHANGE_ICON);
    });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) { PressTimes(w, IDC_ICON_NEXT, 3); });
    script.On(kChangeIcon, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ShownIcon(w, IDC_ICON_PREVIEW), 3) << "the typed library's icons";
        w.Press(IDCANCEL);
    });
    script.On(kEdit, [](wt::ScriptWindow& w) { w.Press(IDCANCEL); });
    EXPECT_FALSE(EditButtonEntry(nullptr, kEdit, entry));
}

const char kSize[] = "ﾎﾞﾀﾝの設定";

TEST(ButtonSizeDlgTest, OnlyTheIconBitsComeBack) {
    CButtonSizeDlg dlg;
    dlg.SetIconFlags(0xE9);
    wt::ModalScript script;
    script.On(kSize, [](wt::ScriptWindow& w) {
        EXPECT_TRUE(w.IsChecked(IDC_SIZE_FIT));
        EXPECT_TRUE(w.IsChecked(IDC_SIZE_LARGE));
        EXPECT_FALSE(w.IsEnabled(IDC_SIZE_LARGE));
        EXPECT_EQ(w.Text(IDC_SIZE_EDIT), "34");
        w.Press(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_EQ(dlg.m_iconFlags, 0xC0);
    EXPECT_EQ(dlg.m_size, 34);
}

TEST(ButtonSizeDlgTest, LargeIconBoxFollowsTheFitBoxAndSizesAreChecked) {
    CButtonSizeDlg dlg;
    dlg.SetIconFlags(OPT_LARGEICON);
    dlg.m_size = 20;
    wt::ModalScript script;
    script.On(kSize, [](wt::ScriptWindow& w) {
        EXPECT_TRUE(w.IsEnabled(IDC_SIZE_LARGE));
        Click(w, IDC_SIZE_FIT);
    });
    script.On(kSize, [](wt::ScriptWindow& w) {
        EXPECT_FALSE(w.IsEnabled(IDC_SIZE_LARGE));
        EXPECT_TRUE(w.IsChecked(IDC_SIZE_LARGE)) << "the mark is kept";
        Click(w, IDC_SIZE_FIT);
    });
    const std::pair<const char*, const char*> refusals[] = {
        {"14", "15 から 50 までの整数を入力してください。"},
        {"51", "15 から 50 までの整数を入力してください。"},
        {"", "整数を入力してください。"}};
    for (const auto& [typed, message] : refusals) {
        script.On(kSize, [typed](wt::ScriptWindow& w) {
            EXPECT_TRUE(w.IsEnabled(IDC_SIZE_LARGE));
            EXPECT_TRUE(w.IsChecked(IDC_SIZE_LARGE));
            w.Type(IDC_SIZE_EDIT, typed);
            w.Press(IDOK);
        });
        script.OnMessage([message](wt::ScriptWindow& box) {
            EXPECT_EQ(box.MessageText(), message);
            box.Press(IDOK);
        });
    }
    script.On(kSize, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Focus(), w.Item(IDC_SIZE_EDIT));
        w.Type(IDC_SIZE_EDIT, "50");
        w.Press(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_EQ(dlg.m_size, 50);
    EXPECT_EQ(dlg.m_iconFlags, OPT_LARGEICON);
}

// Every object the dialog made is gone once it closed, 200 times over.
template <typename Open>
void ExpectNoGrowth(const char* caption, Open open) {
    SCOPED_TRACE(caption);
    int i = 0;
    wt::HandleLedger().ExpectNoGrowth(200, [&] {
        wt::ModalScript script;
        script.On(caption, [&i](wt::ScriptWindow& w) { w.Press(i++ % 2 ? IDOK : IDCANCEL); });
        open();
    });
}

TEST(EditDialogsTest, SlowNoHandleGrowthOver200Openings) {
    ExpectNoGrowth(kChangeIcon, [] {
        CIconSelectDlg dlg;
        dlg.m_appPath = Library();
        dlg.m_iconIndex = 3;
        dlg.DoModal(nullptr);
    });
    ExpectNoGrowth(kEdit, [] {
        ButtonEntry entry;
        entry.AppName = Library();
        EditButtonEntry(nullptr, kEdit, entry);
    });
    ExpectNoGrowth(kSize, [] {
        CButtonSizeDlg dlg;
        dlg.DoModal(nullptr);
    });
}

}  // namespace
