// Which name of a file is kept: the long one when code page 932 holds it,
// else a short name that it holds, else none; and the box's text.

#include <gtest/gtest.h>

#include "core/file_name_choice.h"

namespace {

struct ChoiceRow {
    const char* what;
    AnsiName full;
    std::optional<AnsiName> shortName;
    FileNameChoice expected;
};

TEST(FileNameChoiceTest, LongNameThenShortNameThenNone) {
    const AnsiName cafe{"C:\\caf? probe.exe", false};
    const ChoiceRow rows[] = {
        {"held exactly", {"C:\\表示\\ソ.exe", true}, std::nullopt,
         {FileNameKind::Exact, "C:\\表示\\ソ.exe", "C:\\表示\\ソ.exe"}},
        {"held exactly, short name ignored", {"C:\\Program Files\\a.exe", true},
         AnsiName{"C:\\PROGRA~1\\a.exe", true},
         {FileNameKind::Exact, "C:\\Program Files\\a.exe", "C:\\Program Files\\a.exe"}},
        {"short name", cafe, AnsiName{"C:\\CAFPRO~1.EXE", true},
         {FileNameKind::ShortName, "C:\\CAFPRO~1.EXE", cafe.bytes}},
        {"no short name", cafe, std::nullopt, {FileNameKind::Refused, "", cafe.bytes}},
        {"short name is the long one", cafe, cafe, {FileNameKind::Refused, "", cafe.bytes}},
        {"empty short name", cafe, AnsiName{"", true}, {FileNameKind::Refused, "", cafe.bytes}},
    };
    for (const ChoiceRow& r : rows)
        EXPECT_EQ(ChooseFileName(r.full, r.shortName), r.expected) << r.what;
}

TEST(FileNameChoiceTest, TheBoxListsTenNamesAndCountsTheRest) {
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i) names.push_back("n" + std::to_string(i));
    const std::string intro = "次のﾌｧｲﾙは名前に扱えない文字が含まれるため、使用できません。\n";
    EXPECT_EQ(LeftOutFilesText({"C:\\caf?.exe"}), intro + "\nC:\\caf?.exe");
    EXPECT_EQ(LeftOutFilesText(names), intro + "\nn1\nn2\nn3\nn4\nn5\nn6\nn7\nn8\nn9\nn10");
    names.push_back("n11");
    names.push_back("n12");
    EXPECT_EQ(LeftOutFilesText(names),
              intro + "\nn1\nn2\nn3\nn4\nn5\nn6\nn7\nn8\nn9\nn10\nほか 2 個のﾌｧｲﾙ");
}

}  // namespace
