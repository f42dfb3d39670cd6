// The add-and-remove dialog's working copy and rules, the list text of an
// entry, the open-file filter and trimming.

#include <gtest/gtest.h>

#include "config/entry_text.h"
#include "core/int_field.h"
#include "core/sjis.h"
#include "dialogs/button_work_list.h"
#include "dialogs/file_filter.h"

namespace {

ButtonEntry Named(const std::string& title) {
    ButtonEntry e;
    e.Title = title;
    return e;
}

std::string Titles(const ButtonWorkList& list) {
    std::string out;
    for (int i = 0; i < list.Count(); ++i) out += list.At(i).Title;
    return out;
}

ButtonWorkList Abc() {
    ButtonWorkList list;
    for (const char* t : {"a", "b", "c"}) list.Append(Named(t));
    return list;
}

TEST(ButtonWorkList, ChecksInTheirOrder) {
    struct Case {
        int count, selection;
        ListProblem selected, deletable;
    } cases[] = {
        {0, -1, ListProblem::Empty, ListProblem::NoSelection},
        {3, -1, ListProblem::NoSelection, ListProblem::NoSelection},
        {3, 0, ListProblem::None, ListProblem::None},
        {0, 0, ListProblem::Empty, ListProblem::Empty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " lines, selection " << c.selection);
        EXPECT_EQ(CheckSelected(c.count, c.selection), c.selected);
        EXPECT_EQ(CheckDeletable(c.count, c.selection), c.deletable);
    }
    EXPECT_EQ(ListProblemText(ListProblem::Empty), "リストがありません。");
    EXPECT_EQ(ListProblemText(ListProblem::NoSelection), "ファイルが選択されていません。");
    EXPECT_EQ(ListProblemText(ListProblem::None), "");
}

TEST(ButtonWorkList, InsertsBeforeTheSelectionOrAtTheEnd) {
    struct Case {
        int selection;
        int line;
        const char* after;
    } cases[] = {{-1, 3, "abcN"}, {0, 0, "Nabc"}, {1, 1, "aNbc"}, {2, 2, "abNc"}, {7, 3, "abcN"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "selection " << c.selection);
        ButtonWorkList list = Abc();
        EXPECT_EQ(list.Insert(c.selection, Named("N")), c.line);
        EXPECT_EQ(Titles(list), c.after);
    }
    ButtonWorkList empty;
    EXPECT_EQ(empty.Insert(-1, Named("N")), 0);
    EXPECT_EQ(InsertPosition(0, 4), 0) << "an empty list takes it at 0";
}

TEST(ButtonWorkList, MovesStopAtBothEnds) {
    struct Case {
        bool up;
        int line, to;
        const char* after;
    } cases[] = {
        {true, 0, -1, "abc"}, {true, 1, 0, "bac"},   {true, 2, 1, "acb"},    {false, 0, 1, "bac"},
        {false, 1, 2, "acb"}, {false, 2, -1, "abc"}, {false, -1, -1, "abc"}, {true, 3, -1, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.up ? "up " : "down ") << c.line);
        ButtonWorkList list = Abc();
        EXPECT_EQ(c.up ? list.MoveUp(c.line) : list.MoveDown(c.line), c.to);
        EXPECT_EQ(Titles(list), c.after);
    }
}

TEST(ButtonWorkList, ReplaceAndRemoveOnlyExistingLines) {
    ButtonWorkList list = Abc();
    list.Replace(1, Named("X"));
    list.Replace(3, Named("Y"));
    EXPECT_EQ(Titles(list), "aXc");
    list.Remove(0);
    list.Remove(-1);
    list.Remove(2);
    EXPECT_EQ(Titles(list), "Xc");
}

TEST(ButtonWorkList, LineCountAndPageName) {
    // The lines field is a signed number of 1..50; "3x" is no number.
    const char* allowed[] = {"1", "50", " 7", "+2"};
    const char* refused[] = {"0", "51", "", "3x", "-2", "99999999999"};
    for (const char* text : allowed)
        EXPECT_EQ(ParseIntField(text, true, kMinLineCount, kMaxLineCount).error,
                  IntFieldError::None)
            << text;
    for (const char* text : refused)
        EXPECT_NE(ParseIntField(text, true, kMinLineCount, kMaxLineCount).error,
                  IntFieldError::None)
            << text;
    EXPECT_EQ(DefaultPageName(3), "Page3");
}

TEST(EntryText, TitleThenFileNameThenPath) {
    struct Case {
        const char *title, *app, *text;
    } cases[] = {
        {"ﾒﾓ", "C:\\Windows\\notepad.exe", "ﾒﾓ"},
        {"", "C:\\Windows\\notepad.exe", "notepad.exe"},
        {"", "C:\\ソ表\\表示ソ.exe", "表示ソ.exe"},  // trail bytes 0x5C are no separators
        {"", "C:/x/y.txt", "y.txt"},
        {"", "D:tool.exe", "tool.exe"},
        {"", "C:\\ソ\\", "C:\\ソ\\"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.app);
        ButtonEntry e;
        e.Title = c.title;
        e.AppName = c.app;
        EXPECT_EQ(EntryText(e), c.text);
    }
}

TEST(FileFilter, BarsBecomeNulsButTrailBytesStay) {
    using namespace std::string_literals;
    struct Case {
        const char* bars;
        std::string filter;
    } cases[] = {
        {"ｱｲｺﾝ|*.ico||", "ｱｲｺﾝ\0*.ico\0\0\0\0"s},
        {"A|*.a|B|*.b||", "A\0*.a\0B\0*.b\0\0\0\0"s},
        // "－" is 0x81 0x7C: its second byte is a bar.
        {"－|*.x||", "－\0*.x\0\0\0\0"s},
        {"", "\0\0"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bars);
        EXPECT_EQ(FileFilterFromBars(c.bars), c.filter);
    }
}

TEST(TrimWhite, BothEndsOnly) {
    struct Case {
        const char *text, *trimmed;
    } cases[] = {{"  a b  ", "a b"},     {"\t\r\nx\n", "x"}, {"   ", ""},       {"", ""},
                 {" 表示ソ ", "表示ソ"}, {"ソ", "ソ"},       {"　a　", "　a　"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(sjis::TrimWhite(c.text), c.trimmed);
    }
}

}  // namespace
