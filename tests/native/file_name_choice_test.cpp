// Which name of a file is kept: the long one when code page 932 holds it,
// else a short name that it holds, else none; and the box's text.

#include <gtest/gtest.h>

#include "core/file_name_choice.h"

namespace {

TEST(FileNameChoiceTest, LongNameThenShortNameThenNone) {
    const AnsiName held{"C:\\表示\\ソ.exe", true}, cafe{"C:\\caf? probe.exe", false};
    const AnsiName shortName{"C:\\CAF_~SIG.EXE", true};
    const struct {
        AnsiName full;
        std::optional<AnsiName> shortName;
        FileNameChoice expected;
    } rows[] = {
        {held, std::nullopt, {FileNameKind::Exact, held.bytes, held.bytes}},
        {held, shortName, {FileNameKind::Exact, held.bytes, held.bytes}},
        {cafe, shortName, {FileNameKind::ShortName, shortName.bytes, cafe.bytes}},
        {cafe, std::nullopt, {FileNameKind::Refused, "", cafe.bytes}},
        {cafe, cafe, {FileNameKind::Refused, "", cafe.bytes}},  // no 8.3 names on the volume
        {cafe, AnsiName{"", true}, {FileNameKind::Refused, "", cafe.bytes}},
    };
    for (const auto& r : rows) EXPECT_EQ(ChooseFileName(r.full, r.shortName), r.expected);
}

TEST(FileNameChoiceTest, TheBoxListsTenNamesAndCountsTheRest) {
    const std::string intro = "次のﾌｧｲﾙは名前に扱えない文字が含まれるため、使用できません。\n";
    std::vector<std::string> names(10, "n");
    EXPECT_EQ(LeftOutFilesText({"C:\\caf?.exe"}), intro + "\nC:\\caf?.exe");
    EXPECT_EQ(LeftOutFilesText(names), intro + "\nn\nn\nn\nn\nn\nn\nn\nn\nn\nn");
    names.resize(12, "m");
    EXPECT_EQ(LeftOutFilesText(names), intro + "\nn\nn\nn\nn\nn\nn\nn\nn\nn\nn\nほか 2 個のﾌｧｲﾙ");
}

}  // namespace
