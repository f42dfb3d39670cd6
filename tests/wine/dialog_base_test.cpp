// The dialog base under real modal dialogs and a real property sheet: data
// exchange both ways, the three refusal messages with focus and selection,
// the up-down ranges, and a sheet that keeps its failed page.
// Shares nothing: no store, no bar, no hotkey.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/wine/modal_script.h"
#include "tests/wine/test_dialogs.h"
#include "win/data_exchange.h"
#include "win/property_page.h"
#include "win/property_sheet.h"

namespace {

class FieldsDlg : public CDialogBase {
public:
    FieldsDlg() : CDialogBase(IDD_TEST_FIELDS) {}
    std::string name = "表示ソ";
    int offset = -3;
    int size = 34;
    bool flag = true;
    int pick = 1;

protected:
    BOOL OnInitDialog() override {
        for (const char* item : {"通常のｳｲﾝﾄﾞｳ", "最小化", "最大化"})
            AddComboItem(IDC_TEST_PICK, item);
        return CDialogBase::OnInitDialog();
    }
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(IDC_TEST_NAME, name);
        dx.Int(IDC_TEST_SIGNED, offset, -5, 50, IDC_TEST_SIGNED_SPIN);
        dx.UInt(IDC_TEST_SIZE, size, 15, 50, IDC_TEST_SIZE_SPIN);
        dx.Check(IDC_TEST_FLAG, flag);
        dx.ComboIndex(IDC_TEST_PICK, pick);
    }
};

std::pair<int, int> Range(HWND upDown) {
    int low = 0, high = 0;
    SendMessageA(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    return {low, high};
}

// A refusal: the box's text and owner, then, back in the dialog, the focus
// on the field with all of its text selected.
void ExpectRefusal(wt::ModalScript& script, const CDialogBase& dlg, const std::string& message,
                   int field) {
    script.OnMessage([&dlg, message](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(), message);
        EXPECT_EQ(box.Owner(), dlg.Handle()) << "owned by the dialog";
        box.Press(IDOK);
    });
    script.On("ﾃｽﾄ", [field](wt::ScriptWindow& dlg) {
        EXPECT_EQ(dlg.Focus(), dlg.Item(field));
        const DWORD sel = dlg.Selection(field);
        EXPECT_EQ(LOWORD(sel), 0);
        EXPECT_EQ(HIWORD(sel), dlg.Text(field).size()) << "the whole text is selected";
    });
}

TEST(DialogBaseTest, FieldsAreFilledAtOpeningAndReadBackOnOK) {
    FieldsDlg dlg;
    // 600 bytes of double-byte text whose trail bytes are backslashes.
    std::string typed;
    for (int i = 0; i < 300; ++i) typed += "ソ";
    wt::ModalScript script;
    script.On("ﾃｽﾄ", [&](wt::ScriptWindow& w) {
        EXPECT_EQ(w.Text(IDC_TEST_NAME), "表示ソ");
        EXPECT_EQ(w.Text(IDC_TEST_SIGNED), "-3");
        EXPECT_EQ(w.Text(IDC_TEST_SIZE), "34");
        EXPECT_TRUE(w.IsChecked(IDC_TEST_FLAG));
        EXPECT_EQ(SendMessageA(w.Item(IDC_TEST_PICK), CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(Range(w.Item(IDC_TEST_SIGNED_SPIN)), std::make_pair(-5, 50));
        EXPECT_EQ(Range(w.Item(IDC_TEST_SIZE_SPIN)), std::make_pair(15, 50));
        w.Type(IDC_TEST_NAME, typed);
        w.Type(IDC_TEST_SIGNED, " -5 ");
        w.Type(IDC_TEST_SIZE, "50");
        SendMessageA(w.Item(IDC_TEST_FLAG), BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(w.Item(IDC_TEST_PICK), CB_SETCURSEL, 2, 0);
        w.Press(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_EQ(dlg.name, typed) << "no length limit, trail bytes kept";
    EXPECT_EQ(dlg.offset, -5);
    EXPECT_EQ(dlg.size, 50);
    EXPECT_FALSE(dlg.flag);
    EXPECT_EQ(dlg.pick, 2);
}

TEST(DialogBaseTest, RefusedFieldsKeepTheDialogOpenAndCancelKeepsTheMembers) {
    FieldsDlg dlg;
    wt::ModalScript script;
    script.On("ﾃｽﾄ", [](wt::ScriptWindow& w) {
        w.Type(IDC_TEST_NAME, "changed");
        w.Type(IDC_TEST_SIGNED, "4x");
        w.Type(IDC_TEST_SIZE, "-20");
        w.Press(IDOK);
    });
    // Only the first refused field is told.
    ExpectRefusal(script, dlg, "整数を入力してください。", IDC_TEST_SIGNED);
    script.On("ﾃｽﾄ", [](wt::ScriptWindow& w) {
        w.Type(IDC_TEST_SIGNED, "7");
        w.Type(IDC_TEST_SIZE, "-20");
        w.Press(IDOK);
    });
    ExpectRefusal(script, dlg, "正の整数を入力してください。", IDC_TEST_SIZE);
    script.On("ﾃｽﾄ", [](wt::ScriptWindow& w) {
        w.Type(IDC_TEST_SIZE, "51");
        w.Press(IDOK);
    });
    ExpectRefusal(script, dlg, "15 から 50 までの整数を入力してください。", IDC_TEST_SIZE);
    script.On("ﾃｽﾄ", [](wt::ScriptWindow& w) { w.Press(IDCANCEL); });
    EXPECT_EQ(dlg.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(dlg.name, "表示ソ") << "refused OKs hand nothing over";
    EXPECT_EQ(dlg.offset, -3);
    EXPECT_EQ(dlg.size, 34);
}

class CountPage : public CPropertyPage {
public:
    CountPage() : CPropertyPage(IDD_TEST_PAGE_ONE) {}
    int count = 5;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.UInt(IDC_TEST_COUNT, count, 1, 20, IDC_TEST_COUNT_SPIN);
    }
};

class OffsetPage : public CPropertyPage {
public:
    OffsetPage() : CPropertyPage(IDD_TEST_PAGE_TWO) {}
    int offset = 1;
    int bits = 0x11;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Int(IDC_TEST_OFFSET, offset, -10, 10);
        dx.CheckBit(IDC_TEST_BIT, bits, 0x10);
    }
};

struct TwoPages {
    CountPage one;
    OffsetPage two;
    bool Run() {
        CPropertySheet sheet("ﾃｽﾄ設定");
        sheet.AddPage(one);
        sheet.AddPage(two);
        return sheet.DoModal(nullptr);
    }
};

HWND ShownPage(const wt::ScriptWindow& sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet.Handle(), PSM_GETCURRENTPAGEHWND, 0, 0));
}

TEST(PropertySheetTest, LeavingAPageAndOKRunTheSameChecks) {
    TwoPages pages;
    wt::ModalScript script;
    script.On("ﾃｽﾄ設定", [](wt::ScriptWindow& sheet) {
        EXPECT_FALSE(IsWindowVisible(sheet.Item(0x3021))) << "no Apply button";
        sheet.Type(IDC_TEST_COUNT, "21");
        sheet.ShowPage(1);
    });
    script.OnMessage([](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(), "1 から 20 までの整数を入力してください。");
        box.Press(IDOK);
    });
    script.On("ﾃｽﾄ設定", [&](wt::ScriptWindow& sheet) {
        EXPECT_EQ(ShownPage(sheet), pages.one.Handle()) << "the sheet stays on the page";
        EXPECT_EQ(sheet.Focus(), sheet.Item(IDC_TEST_COUNT));
        sheet.Type(IDC_TEST_COUNT, "7");
        sheet.ShowPage(1);
    });
    script.On("ﾃｽﾄ設定", [](wt::ScriptWindow& sheet) {
        sheet.Type(IDC_TEST_OFFSET, "");
        SendMessageA(sheet.Item(IDC_TEST_BIT), BM_SETCHECK, BST_UNCHECKED, 0);
        sheet.Press(IDOK);
    });
    script.OnMessage([](wt::ScriptWindow& box) {
        EXPECT_EQ(box.MessageText(), "整数を入力してください。");
        box.Press(IDOK);
    });
    script.On("ﾃｽﾄ設定", [&](wt::ScriptWindow& sheet) {
        EXPECT_EQ(ShownPage(sheet), pages.two.Handle());
        sheet.Type(IDC_TEST_OFFSET, "-4");
        sheet.Press(IDOK);
    });
    EXPECT_TRUE(pages.Run());
    EXPECT_EQ(pages.one.count, 7);
    EXPECT_EQ(pages.two.offset, -4);
    EXPECT_EQ(pages.two.bits, 0x01) << "only the box's own bit changes";
    EXPECT_TRUE(pages.one.WasShown());
    EXPECT_TRUE(pages.two.WasShown());
}

TEST(PropertySheetTest, PagesNeverShownHandNothingBackAndCancelKeepsAll) {
    TwoPages ok;
    wt::ModalScript script;
    script.On("ﾃｽﾄ設定", [](wt::ScriptWindow& sheet) {
        sheet.Type(IDC_TEST_COUNT, "12");
        sheet.Press(IDOK);
    });
    EXPECT_TRUE(ok.Run());
    EXPECT_EQ(ok.one.count, 12);
    EXPECT_FALSE(ok.two.WasShown());

    TwoPages cancelled;
    script.On("ﾃｽﾄ設定", [](wt::ScriptWindow& sheet) {
        sheet.Type(IDC_TEST_COUNT, "3");
        sheet.ShowPage(1);
    });
    script.On("ﾃｽﾄ設定", [](wt::ScriptWindow& sheet) {
        sheet.Type(IDC_TEST_OFFSET, "9");
        sheet.Press(IDCANCEL);
    });
    EXPECT_FALSE(cancelled.Run());
    EXPECT_EQ(cancelled.one.count, 5) << "a page left is checked, not taken over";
    EXPECT_EQ(cancelled.two.offset, 1);
}

}  // namespace
