#include "core/sjis.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(Sjis, LeadByteRangesOfCodePage932) {
    struct Row {
        unsigned char c;
        bool lead;
    } rows[] = {{0x00, false}, {0x5C, false}, {0x7F, false}, {0x80, false}, {0x81, true},
                {0x9F, true},  {0xA0, false}, {0xA1, false}, {0xDF, false}, {0xE0, true},
                {0xFC, true},  {0xFD, false}, {0xFF, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.c));
        EXPECT_EQ(sjis::IsLeadByte(r.c), r.lead);
    }
}

TEST(Sjis, CharLengthNeverRunsPastTheEnd) {
    const std::string text = "a\x95\x5C\x83";  // a, 表, then a lone lead byte
    EXPECT_EQ(sjis::CharLength(text, 0), 1u);
    EXPECT_EQ(sjis::CharLength(text, 1), 2u);
    EXPECT_EQ(sjis::CharLength(text, 3), 1u);
}

TEST(Sjis, TruncateKeepsDoubleByteCharactersWhole) {
    EXPECT_EQ(sjis::TruncateChars("表示ソ", 4), "表示");
    EXPECT_EQ(sjis::TruncateChars("表示ソ", 5), "表示");
    EXPECT_EQ(sjis::TruncateChars("ab表", 3), "ab");
    EXPECT_EQ(sjis::TruncateChars("abc", 10), "abc");
    EXPECT_EQ(sjis::TruncateChars("ｶﾅ", 1), "ｶ");  // half-width kana are single bytes
}

struct SplitRow {
    const char* path;
    const char* drive;
    const char* dir;
    const char* name;
    const char* ext;
};

TEST(Sjis, SplitPathStepsOverTrailBytes) {
    const SplitRow rows[] = {
        {"C:\\Tools\\app.exe", "C:", "\\Tools\\", "app", ".exe"},
        {"C:\\Dir.old\\tool", "C:", "\\Dir.old\\", "tool", ""},
        {"app.exe", "", "", "app", ".exe"},
        {"", "", "", "", ""},
        {"C:", "C:", "", "", ""},
        {"\\\\server\\share\\a.b.c", "", "\\\\server\\share\\", "a.b", ".c"},
        {"C:/unix/style.txt", "C:", "/unix/", "style", ".txt"},
        {"C:\\表示\\ソ.txt", "C:", "\\表示\\", "ソ", ".txt"},
        // 表 and ソ end in 0x5C: neither is a separator.
        {"C:\\dir\\表", "C:", "\\dir\\", "表", ""},
        {"C:\\ソ\\", "C:", "\\ソ\\", "", ""},
        {"表:\\x", "", "表:\\", "x", ""},
        {"C:\\a\\.profile", "C:", "\\a\\", "", ".profile"},
        {"Main.CPL", "", "", "Main", ".CPL"},
        {"file.", "", "", "file", "."},
    };
    for (const SplitRow& r : rows) {
        SCOPED_TRACE(r.path);
        sjis::PathParts p = sjis::SplitPath(r.path);
        EXPECT_EQ(p.drive, r.drive);
        EXPECT_EQ(p.dir, r.dir);
        EXPECT_EQ(p.fileName, r.name);
        EXPECT_EQ(p.ext, r.ext);
    }
}

TEST(Sjis, SplitPathWithALoneLeadByteAtTheEnd) {
    sjis::PathParts p = sjis::SplitPath(std::string("C:\\a\\b.t\x83", 9));
    EXPECT_EQ(p.dir, "\\a\\");
    EXPECT_EQ(p.ext, std::string(".t\x83", 3));
    // A lead byte eats the separator after it: the pair is one character.
    p = sjis::SplitPath("x\x83\\y.z");
    EXPECT_EQ(p.dir, "");
    EXPECT_EQ(p.fileName, "x\x83\\y");
}

TEST(Sjis, EqualsNoCaseFoldsAsciiOnly) {
    EXPECT_TRUE(sjis::EqualsNoCase(".EXE", ".exe"));
    EXPECT_TRUE(sjis::EqualsNoCase(".Com", ".cOM"));
    EXPECT_TRUE(sjis::EqualsNoCase("", ""));
    EXPECT_FALSE(sjis::EqualsNoCase(".exe", ".ex"));
    EXPECT_FALSE(sjis::EqualsNoCase(".exe", ".exe "));
    EXPECT_TRUE(sjis::EqualsNoCase(".表", ".表"));
    EXPECT_FALSE(sjis::EqualsNoCase(".表", ".ソ"));
    // Full-width letters are double-byte and never folded.
    EXPECT_FALSE(sjis::EqualsNoCase("ＥＸＥ", "ｅｘｅ"));
    // A trail byte 0x61 ('a') must not be folded against 'A'.
    EXPECT_FALSE(sjis::EqualsNoCase("\x83\x61", "\x83\x41"));
    EXPECT_FALSE(sjis::EqualsNoCase("\x83\x61", "\x83"));
    // Symbols beside the letters are not folded.
    EXPECT_FALSE(sjis::EqualsNoCase("@", "`"));
    EXPECT_FALSE(sjis::EqualsNoCase("[", "{"));
}

TEST(Sjis, ParseDecimalFollowsTheUsualRule) {
    struct Row {
        const char* text;
        std::int32_t value;
    } rows[] = {
        {"", 0},
        {"0", 0},
        {"12632256", 12632256},
        {"  \t42", 42},
        {"\n\r\v\f7", 7},
        {"+5", 5},
        {"-17", -17},
        {"12x", 12},
        {"x12", 0},
        {"- 3", 0},
        {"/9", 0},  // '/' and ':' stand beside '0' and '9'
        {"9:", 9},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", -2147483647 - 1},
        {"99999999999999999999999999999999999999", 2147483647},
        {"-99999999999999999999999999999999999999", -2147483647 - 1},
        {"4294967295", 2147483647},
        {"000000000000000000000000000000000000017", 17},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(sjis::ParseDecimal(r.text), r.value);
    }
}

TEST(Sjis, RandomBytesSplitIntoPartsThatRejoin) {
    std::mt19937 random(932);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 40);
    const char alphabet[] = {'\\',   '/',    '.',    ':',    'a',    'Z', '\x5C',
                             '\x81', '\x95', '\xE0', '\xFC', '\xA0', '\0'};
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text.push_back(round % 2 ? static_cast<char>(byte(random))
                                     : alphabet[byte(random) % sizeof alphabet]);
        sjis::PathParts p = sjis::SplitPath(text);
        ASSERT_EQ(p.drive + p.dir + p.fileName + p.ext, text);
        ASSERT_TRUE(p.ext.empty() || p.ext[0] == '.');
        ASSERT_LE(sjis::TruncateChars(text, 7).size(), 7u);
        ASSERT_TRUE(sjis::EqualsNoCase(text, text));
        sjis::ParseDecimal(text);
    }
}

}  // namespace
