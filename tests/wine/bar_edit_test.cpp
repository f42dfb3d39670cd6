// Editing the shown page through the bar: a button's own menu (edit in
// place, delete with renumbering) and the add-and-remove dialog of command
// 100, driven through the real windows and the registry.

#include <windows.h>
#include <commctrl.h>

#include "config/launcher_store.h"
#include "config/win_registry.h"
#include "dialogs/button_list_dlg.h"
#include "res/resource.h"
#include "tests/wine/bar_fixture.h"
#include "tests/wine/handle_ledger.h"
#include "tests/wine/menu_watcher.h"
#include "tests/wine/modal_script.h"

namespace {

const char kList[] = "ﾎﾞﾀﾝの追加と削除";
const char kEdit[] = "編集";
const char kRegister[] = "ｱﾌﾟﾘｹｰｼｮﾝの登録";

std::string Path(int i) {
    return "C:\\t\\b" + std::to_string(i) + ".exe";
}

class BarEditTest : public BarFixture {
protected:
    // The button menu of button k, with the keys pressed in it.
    std::vector<wt::MenuItem> ButtonMenu(size_t k, std::vector<UINT> keys) {
        wt::MenuWatcher watcher(std::move(keys));
        PostMessageA(Bar().Buttons().at(k)->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
        Pump();
        Pump();
        return watcher.Menus().empty() ? std::vector<wt::MenuItem>{} : watcher.Menus()[0].items;
    }
    std::string TipText(size_t k) {
        HWND button = Bar().Buttons().at(k)->Handle();
        char text[256] = {};
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = button;
        ti.uId = IDC_BAR_BUTTON_FIRST + k;
        ti.lpszText = text;
        SendMessageA(Bar().Tips().Handle(), TTM_GETTEXTA, sizeof text,
                     reinterpret_cast<LPARAM>(&ti));
        return text;
    }
    HANDLE ShownImage(size_t k) {
        return reinterpret_cast<HANDLE>(
            SendMessageA(Bar().Buttons().at(k)->Handle(), BM_GETIMAGE, IMAGE_ICON, 0));
    }
    std::optional<std::string> App(int page, int i) {
        return wt::RawString(ButtonSection(page, i), "AppName");
    }
    std::optional<DWORD> Num(int page) { return wt::RawDword(PageSection(page), "Num"); }
    void OpenList() {
        PostMessageA(BarWnd(), WM_COMMAND, IDM_ADD_REMOVE, 0);
        Pump();
    }
};

TEST_F(BarEditTest, EditFromTheMenuWritesThatButtonAndRefreshesOnlyIt) {
    SeedSetting("Page", "2,2");
    SeedPage(2, 6, 1, 34);
    Start();
    std::vector<HANDLE> images;
    for (size_t k = 0; k < 6; ++k) images.push_back(ShownImage(k));
    CBarButton* const fifth = Bar().Buttons()[4].get();
    wt::ModalScript script;
    script.On(kEdit, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_PROP_PATH), Path(5));
        EXPECT_FALSE(IsWindowEnabled(w.Owner())) << "the bar waits for the dialog";
        w.Type(IDC_PROP_TITLE, " 新しいﾎﾞﾀﾝ ");
        w.Press(IDOK);
    });
    const auto items = ButtonMenu(4, {'s'});
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, 200u);
    EXPECT_EQ(items[0].text, "設定変更(&S)");
    EXPECT_EQ(items[1].id, 201u);
    EXPECT_EQ(items[1].text, "ﾎﾞﾀﾝの削除(&D)");
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(wt::RawString(ButtonSection(2, 5), "Title"), "新しいﾎﾞﾀﾝ");
    EXPECT_EQ(wt::RawString(ButtonSection(2, 5), "AppName"), Path(5));
    EXPECT_FALSE(wt::RawString(ButtonSection(1, 5), "Title")) << "page 1 untouched";
    ASSERT_EQ(Bar().Buttons()[4].get(), fifth) << "no rebuild";
    EXPECT_EQ(TipText(4), "新しいﾎﾞﾀﾝ");
    EXPECT_NE(ShownImage(4), images[4]) << "its icon was loaded again";
    for (size_t k : {0u, 1u, 2u, 3u, 5u}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(TipText(k), "b" + std::to_string(k + 1) + ".exe");
        EXPECT_EQ(ShownImage(k), images[k]);
    }
}

TEST_F(BarEditTest, EditCancelledWritesNothing) {
    SeedPage(1, 3, 1, 34);
    Start();
    wt::HandleLedger ledger;
    wt::ModalScript script;
    script.On(kEdit, [](wt::ScriptWindow& w) {
        w.Type(IDC_PROP_TITLE, "捨てる");
        w.Press(IDCANCEL);
    });
    ButtonMenu(1, {'s'});
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(ledger.WrittenValues().empty()) << "not even the same values again";
}

TEST_F(BarEditTest, AButtonTornDownDuringItsEditIsLeftAlone) {
    SeedPage(1, 3, 1, 34);
    Start();
    const auto before = StoreSnapshot();
    // The shutdown query tears the buttons down while the dialog is open.
    wt::ModalScript script;
    script.On(kEdit, [this](wt::ScriptWindow& w) {
        SendMessageA(BarWnd(), WM_QUERYENDSESSION, 0, 0);
        w.Type(IDC_PROP_TITLE, "x");
        w.Press(IDOK);
    });
    ButtonMenu(1, {'s'});
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(Bar().Buttons().empty());
    auto buttons = [](const std::vector<std::string>& values) {
        std::vector<std::string> out;
        for (const auto& v : values)
            if (v.rfind("Page1", 0) == 0) out.push_back(v);
        return out;
    };
    EXPECT_EQ(buttons(StoreSnapshot()), buttons(before)) << "the edit of a gone button is dropped";
}

// The question before a button is deleted, answered with `answer`.
void AnswerDeleteQuestion(wt::ModalScript& script, int answer) {
    script.OnMessage([answer](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(), "削除してもよろしいですか？");
        EXPECT_TRUE(box.Item(IDCANCEL)) << "OK and Cancel";
        box.Press(answer);
    });
}

TEST_F(BarEditTest, DeletingTheMiddleOfThreeRenumbersTheStore) {
    SeedPage(1, 3, 1, 34);
    Start();
    wt::ModalScript script;
    AnswerDeleteQuestion(script, IDOK);
    ButtonMenu(1, {'d'});
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(App(1, 1), Path(1));
    EXPECT_EQ(App(1, 2), Path(3)) << "slot 2 takes the third button";
    EXPECT_FALSE(wt::KeyExists(std::string(wt::kRoot) + "\\Page1\\Btn3"));
    EXPECT_EQ(Num(1), 2u);
    EXPECT_EQ(Bar().Buttons().size(), 2u);
    EXPECT_EQ(VisibleButtonCount(), 2);
}

TEST_F(BarEditTest, DeletingTheLastButtonAndCancellingTheQuestion) {
    SeedPage(1, 3, 1, 34);
    Start();
    const auto before = StoreSnapshot();
    wt::ModalScript script;
    AnswerDeleteQuestion(script, IDCANCEL);
    ButtonMenu(2, {'d'});
    EXPECT_EQ(StoreSnapshot(), before) << "Cancel keeps everything";
    EXPECT_EQ(Bar().Buttons().size(), 3u);

    AnswerDeleteQuestion(script, IDOK);
    ButtonMenu(2, {'d'});
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(wt::KeyExists(std::string(wt::kRoot) + "\\Page1\\Btn3"));
    EXPECT_EQ(App(1, 2), Path(2));
    EXPECT_EQ(Num(1), 2u);
    EXPECT_EQ(Bar().Buttons().size(), 2u);
}

TEST_F(BarEditTest, SlowDeletingKeepsTheSlotsBeyondTheShownButtons) {
    SeedPage(1, kMaxPageButtons + 3, 20, 15);
    Start();
    ASSERT_EQ(Bar().Buttons().size(), static_cast<size_t>(kMaxPageButtons));
    wt::ModalScript script;
    AnswerDeleteQuestion(script, IDOK);
    ButtonMenu(0, {'d'});
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(App(1, 1), Path(2));
    EXPECT_EQ(App(1, kMaxPageButtons), Path(kMaxPageButtons + 1));
    EXPECT_EQ(App(1, kMaxPageButtons + 2), Path(kMaxPageButtons + 3)) << "nothing stored is lost";
    EXPECT_FALSE(App(1, kMaxPageButtons + 3));
    EXPECT_EQ(Num(1), static_cast<DWORD>(kMaxPageButtons + 2));
}

// Presses `id` in the list dialog and answers the message it shows.
void ExpectListMessage(wt::ModalScript& script, int id, const char* message) {
    script.On(kList, [id](wt::ScriptWindow& w) { w.Press(id); });
    script.OnMessage([id, message](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(), message) << "after button " << id;
        box.Press(IDOK);
    });
}

int ListSelection(const wt::ScriptWindow& w) {
    return static_cast<int>(SendMessageA(w.Item(IDC_LIST_BUTTONS), LB_GETCURSEL, 0, 0));
}

std::string ListLine(const wt::ScriptWindow& w, int line) {
    char text[512] = {};
    SendMessageA(w.Item(IDC_LIST_BUTTONS), LB_GETTEXT, line, reinterpret_cast<LPARAM>(text));
    return text;
}

void Select(const wt::ScriptWindow& w, int line) {
    SendMessageA(w.Item(IDC_LIST_BUTTONS), LB_SETCURSEL, line, 0);
}

TEST_F(BarEditTest, ListOnAnEmptyPageChecksInOrderAndAddsAtZero) {
    Start();
    const auto before = StoreSnapshot();
    wt::ModalScript script;
    ExpectListMessage(script, IDC_LIST_UP, "リストがありません。");
    ExpectListMessage(script, IDC_LIST_DOWN, "リストがありません。");
    ExpectListMessage(script, IDC_LIST_EDIT, "リストがありません。");
    ExpectListMessage(script, IDC_LIST_DELETE, "ファイルが選択されていません。");
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_LIST_PAGE_NAME), "Page1");
        EXPECT_EQ(w.Text(IDC_LIST_LINES), "1");
        EXPECT_TRUE(w.IsEnabled(IDC_LIST_PAGE_SETTINGS));
        w.Press(IDC_LIST_ADD);
    });
    script.On(kRegister, [](wt::ScriptWindow& w) { w.Press(IDCANCEL); });
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(SendMessageA(w.Item(IDC_LIST_BUTTONS), LB_GETCOUNT, 0, 0), 0) << "nothing added";
        w.Press(IDC_LIST_ADD);
    });
    script.On(kRegister, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_PROP_PATH), "");
        w.Type(IDC_PROP_PATH, "C:\\x\\新規.exe");
        w.Press(IDOK);
    });
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ListLine(w, 0), "新規.exe");
        EXPECT_EQ(ListSelection(w), 0);
        w.Press(IDCANCEL);
    });
    OpenList();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(StoreSnapshot(), before) << "Cancel writes nothing";
}

TEST_F(BarEditTest, ListInsertsBeforeTheSelectionAndMovesStopAtTheEnds) {
    SeedPage(1, 3, 2, 34);
    Start();
    wt::ModalScript script;
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_LIST_LINES), "2");
        Select(w, 1);
        w.Press(IDC_LIST_ADD);
    });
    script.On(kRegister, [](wt::ScriptWindow& w) {
        w.Type(IDC_PROP_TITLE, "新");
        w.Type(IDC_PROP_PATH, "C:\\n.exe");
        w.Press(IDOK);
    });
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ListLine(w, 1), "新");
        EXPECT_EQ(ListLine(w, 2), "b2.exe");
        EXPECT_EQ(ListSelection(w), 1);
        Select(w, 0);
        w.Press(IDC_LIST_UP);  // the first line stays
        w.Press(IDC_LIST_DOWN);
    });
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ListLine(w, 0), "新");
        EXPECT_EQ(ListLine(w, 1), "b1.exe");
        EXPECT_EQ(ListSelection(w), 1) << "the selection follows the button";
        Select(w, 3);
        w.Press(IDC_LIST_DOWN);  // the last line stays
        w.Press(IDC_LIST_UP);
    });
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ListLine(w, 2), "b3.exe");
        EXPECT_EQ(ListSelection(w), 2);
        w.Press(IDOK);
    });
    OpenList();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Num(1), 4u);
    EXPECT_EQ(wt::RawString(ButtonSection(1, 1), "Title"), "新");
    EXPECT_EQ(App(1, 2), Path(1));
    EXPECT_EQ(App(1, 3), Path(3));
    EXPECT_EQ(App(1, 4), Path(2));
    EXPECT_EQ(Bar().Buttons().size(), 4u) << "the bar shows the page anew";
}

TEST_F(BarEditTest, ListRefusesLineCountsBeforeWritingAndNamesAnEmptyPage) {
    SeedSetting("Page", "3,3");
    SeedPage(3, 2, 1, 34);
    wt::RawWriteString(PageSection(3), "PageName", "名前");
    Start();
    const auto before = StoreSnapshot();
    wt::ModalScript script;
    for (const char* lines : {"0", "51", "x3"}) {
        script.On(kList, [lines](wt::ScriptWindow& w) {
            EXPECT_EQ(w.Text(IDC_LIST_PAGE_NAME), "名前");
            w.Type(IDC_LIST_LINES, lines);
            w.Press(IDOK);
        });
        script.OnMessage([&before](wt::ScriptWindow& box) {
            EXPECT_EQ(box.MessageText(), "列数は1～50までの値を指定できます。");
            EXPECT_EQ(StoreSnapshot(), before) << "nothing written";
            box.Press(IDOK);
        });
    }
    script.On(kList, [](wt::ScriptWindow& w) {
        w.Type(IDC_LIST_PAGE_NAME, "");
        w.Type(IDC_LIST_LINES, "2x");
        w.Press(IDOK);
    });
    OpenList();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(wt::RawString(PageSection(3), "PageName"), "Page3");
    EXPECT_EQ(wt::RawString(PageSection(3), "Data"), "2,34,0") << "the leading digits";
}

TEST_F(BarEditTest, ListFiveButtonsLessTwoLeavesTheOldSlotsUnread) {
    SeedPage(1, 5, 1, 34);
    Start();
    wt::ModalScript script;
    for (int line : {1, 3}) {
        script.On(kList, [line](wt::ScriptWindow& w) {
            Select(w, line);
            w.Press(IDC_LIST_DELETE);
        });
        script.OnMessage([](wt::ScriptWindow& box) {
            EXPECT_EQ(box.MessageText(), "削除してよろしいですか？");
            box.Press(IDOK);
        });
        script.On(kList, [](wt::ScriptWindow& w) { EXPECT_EQ(ListSelection(w), -1); });
    }
    ExpectListMessage(script, IDC_LIST_DELETE, "ファイルが選択されていません。");
    script.On(kList, [](wt::ScriptWindow& w) { w.Press(IDOK); });
    OpenList();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Num(1), 3u);
    EXPECT_EQ(App(1, 1), Path(1));
    EXPECT_EQ(App(1, 2), Path(3));
    EXPECT_EQ(App(1, 3), Path(4));
    EXPECT_EQ(App(1, 4), Path(4)) << "left as it was";
    EXPECT_EQ(App(1, 5), Path(5));
    EXPECT_EQ(Bar().Buttons().size(), 3u);
}

// The bar has read a thousand slots of the count, and created no key: the
// list holds the three that exist, and its OK stores no more.
TEST_F(BarEditTest, ListOfAHandEditedCountHoldsTheSlotsThatExist) {
    SeedPage(1, 3, 20, 15);
    wt::RawWriteDword(PageSection(1), "Num", 2147483647);
    Start();
    wt::ModalScript script;
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(SendMessageA(w.Item(IDC_LIST_BUTTONS), LB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(ListLine(w, 2), "b3.exe");
        w.Press(IDOK);
    });
    OpenList();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Num(1), 3u);
    EXPECT_FALSE(wt::KeyExists(std::string(wt::kRoot) + "\\Page1\\Btn4"));
}

// The bar's load reads a thousand slots.
TEST_F(BarEditTest, SlowDeletingUnderAHandEditedCountWalksOnlyTheSlotsThatExist) {
    SeedPage(1, 3, 20, 15);
    wt::RawWriteDword(PageSection(1), "Num", 2147483647);
    Start();
    ASSERT_EQ(Bar().Buttons().size(), static_cast<size_t>(kMaxPageButtons));
    wt::ModalScript script;
    AnswerDeleteQuestion(script, IDOK);
    ButtonMenu(0, {'d'});
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(App(1, 2), Path(3));
    EXPECT_FALSE(wt::KeyExists(std::string(wt::kRoot) + "\\Page1\\Btn1000"));
    EXPECT_EQ(Num(1), static_cast<DWORD>(kMaxPageButtons - 1));
}

TEST_F(BarEditTest, ListCancelAfterChangesWritesNothing) {
    SeedPage(1, 3, 1, 34);
    Start();
    const auto before = StoreSnapshot();
    wt::ModalScript script;
    script.On(kList, [](wt::ScriptWindow& w) {
        Select(w, 0);
        w.Press(IDC_LIST_DOWN);
        w.Type(IDC_LIST_LINES, "4");
        w.Type(IDC_LIST_PAGE_NAME, "x");
        w.Press(IDC_LIST_PAGE_SETTINGS);
    });
    script.On("ﾎﾞﾀﾝの設定", [](wt::ScriptWindow& w) {
        w.Type(IDC_SIZE_EDIT, "20");
        w.Press(IDOK);
    });
    script.On(kList, [](wt::ScriptWindow& w) {
        Select(w, 2);
        w.Press(IDC_LIST_EDIT);
    });
    script.On(kEdit, [](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_PROP_PATH), Path(3));
        w.Type(IDC_PROP_TITLE, "t");
        w.Press(IDOK);
    });
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_EQ(ListLine(w, 2), "t");
        EXPECT_EQ(ListSelection(w), 2);
        w.Press(IDCANCEL);
    });
    OpenList();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(StoreSnapshot(), before);
}

TEST_F(BarEditTest, PageSettingsAreDisabledWhileOneSettingServesAllPages) {
    SeedSetting("Option", OPT_SAMEALLPAGES | OPT_DATE | OPT_TIME);
    Start();
    wt::ModalScript script;
    script.On(kList, [](wt::ScriptWindow& w) {
        EXPECT_FALSE(w.IsEnabled(IDC_LIST_PAGE_SETTINGS));
        w.Press(IDCANCEL);
    });
    OpenList();
    EXPECT_TRUE(script.Done());
}

TEST_F(BarEditTest, SlowNoHandleGrowthOver200ListOpenings) {
    SeedPage(1, 8, 1, 34);
    Start();
    wt::HandleLedger().ExpectNoGrowth(200, [this] {
        wt::ModalScript script;
        script.On(kList, [](wt::ScriptWindow& w) { w.Press(IDCANCEL); });
        CButtonListDlg dlg(*app);
        dlg.DoModal(BarWnd());
    });
}

}  // namespace
