// A bounded fuzzer of the parsers and text helpers: random and mutated
// texts, each checked against invariants and, where a format is written
// back, a round trip. Every text lies in a heap block of exactly its own
// size, so the sanitizer build stops at any read past its end.
//
// The run is fixed and repeatable: TARVIX_FUZZ_ITERATIONS (default 50000
// per target) and TARVIX_FUZZ_SEED change it, e.g. a million for a long
// local run.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <iterator>
#include <random>
#include <vector>

#include "bar/input_rules.h"
#include "config/bar_settings.h"
#include "config/clock_font_record.h"
#include "config/get_comma.h"
#include "config/launcher_store.h"
#include "core/int_field.h"
#include "core/sjis.h"
#include "tests/native/memory_registry.h"

namespace {

long EnvNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

const long kIterations = EnvNumber("TARVIX_FUZZ_ITERATIONS", 50000);

// A text in a heap block of exactly its size.
class ExactText {
public:
    explicit ExactText(const std::string& text)
        : m_size(text.size()), m_data(new char[text.size()]) {
        std::copy(text.begin(), text.end(), m_data.get());
    }
    std::string_view View() const { return {m_data.get(), m_size}; }

private:
    std::size_t m_size;
    std::unique_ptr<char[]> m_data;
};

class Fuzz : public ::testing::Test {
protected:
    // Bytes that matter to the parsers: digits and their neighbours, signs,
    // blanks, separators, lead bytes at both ends of their ranges, the 0x5C
    // trail byte, NUL and letters.
    std::string RandomText(std::size_t maxLength) {
        static const char kBytes[] =
            "0123456789/:,-+ \t\n\\/.:FfAaZz\x81\x9F\xE0\xFC\x5C\x40\xFF\x80\xA0";
        std::string text(Below(maxLength + 1), '\0');
        for (char& c : text)
            c = Below(16) == 0 ? static_cast<char>(Below(256)) : kBytes[Below(sizeof kBytes - 1)];
        return text;
    }
    // One of the usual texts, changed in a few places.
    std::string Mutated() {
        static const char* const kSeeds[] = {
            "1,34,128",
            "1,2",
            "0,99,-5",
            "2147483647,-2147483648",
            "99999999999999999999",
            "C:\\表示\\ソ.txt",
            "\\\\server\\share\\a.b.c",
            "ソ\\",
            "F12",
            "F13",
            "G",
            " -7x,3",
            "-12,0,0,0,400,0,0,0,128,0,0,0,0",
        };
        std::string text = kSeeds[Below(std::size(kSeeds))];
        for (std::size_t n = Below(4); n > 0; --n) {
            const std::size_t pos = Below(text.size() + 1);
            switch (Below(4)) {
                case 0:
                    text.insert(pos, 1, static_cast<char>(Below(256)));
                    break;
                case 1:
                    if (pos < text.size()) text.erase(pos, 1);
                    break;
                case 2:
                    text.insert(pos, text.substr(0, Below(text.size() + 1)));
                    break;
                default:
                    text.resize(pos);
                    break;
            }
        }
        return text;
    }
    std::string Input() { return Below(2) ? RandomText(40) : Mutated(); }
    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng);
    }
    int AnyInt() { return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(m_rng); }

    std::mt19937 m_rng{static_cast<unsigned>(EnvNumber("TARVIX_FUZZ_SEED", 12))};
};

// The decimal conversion as the C library does it, cut to 32 bits.
std::int32_t ReferenceDecimal(std::string_view text) {
    const std::string copy(text);  // strtoll stops at the first NUL, as the text's reader does
    errno = 0;
    const long long v = std::strtoll(copy.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

// Byte positions where a character starts, and the end.
std::vector<bool> Boundaries(std::string_view text) {
    std::vector<bool> at(text.size() + 1, false);
    for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLength(text, pos)) at[pos] = true;
    at[text.size()] = true;
    return at;
}

TEST_F(Fuzz, DecimalConversionMatchesTheCLibrary) {
    for (long i = 0; i < kIterations; ++i) {
        const ExactText text(Input());
        SCOPED_TRACE(std::string(text.View()));
        ASSERT_EQ(sjis::ParseDecimal(text.View()), ReferenceDecimal(text.View()));
    }
}

TEST_F(Fuzz, CommaListsReadEachFieldAndRoundTrip) {
    for (long i = 0; i < kIterations; ++i) {
        const std::string raw = Input();
        const ExactText text(raw);
        SCOPED_TRACE(raw);
        const CGetComma list(text.View());
        std::vector<std::string> fields(1);
        std::vector<int> commas;
        for (std::size_t pos = 0; pos < raw.size(); ++pos) {
            if (raw[pos] != ',') {
                fields.back() += raw[pos];
                continue;
            }
            commas.push_back(static_cast<int>(pos));
            fields.emplace_back();
        }
        for (int n = -1; n <= static_cast<int>(commas.size()) + 1; ++n) {
            const bool exists = n >= 1 && n <= static_cast<int>(commas.size());
            ASSERT_EQ(list.FindComma(n), exists ? commas[n - 1] : -1) << "comma " << n;
        }
        for (int k = -1; k <= static_cast<int>(fields.size()); ++k) {
            const bool exists = k >= 0 && k < static_cast<int>(fields.size());
            ASSERT_EQ(list.GetValue(k), exists ? sjis::ParseDecimal(fields[k]) : 0)
                << "value " << k;
        }
        std::vector<int> values(1 + Below(20));
        std::string written;
        for (int& v : values) {
            v = AnyInt();
            written += (written.empty() ? "" : ",") + std::to_string(v);
        }
        const CGetComma back(written);
        for (std::size_t k = 0; k < values.size(); ++k)
            ASSERT_EQ(back.GetValue(static_cast<int>(k)), values[k]);
    }
}

TEST_F(Fuzz, PathPartsJoinToThePathAndSplitOnlyBetweenCharacters) {
    for (long i = 0; i < kIterations; ++i) {
        const ExactText text(Input());
        const std::string_view path = text.View();
        SCOPED_TRACE(std::string(path));
        const sjis::PathParts p = sjis::SplitPath(path);
        ASSERT_EQ(p.drive + p.dir + p.fileName + p.ext, path);
        ASSERT_TRUE(p.drive.empty() || (p.drive.size() == 2 && p.drive[1] == ':'));
        const std::vector<bool> at = Boundaries(path);
        const std::size_t dirEnd = p.drive.size() + p.dir.size();
        ASSERT_TRUE(at[dirEnd] && at[dirEnd + p.fileName.size()]);
        if (!p.dir.empty()) {
            ASSERT_TRUE(p.dir.back() == '\\' || p.dir.back() == '/');
        }
        ASSERT_TRUE(p.ext.empty() || p.ext[0] == '.');
        for (std::size_t pos = dirEnd; pos < path.size(); pos += sjis::CharLength(path, pos)) {
            const char c = path[pos];
            ASSERT_FALSE(sjis::CharLength(path, pos) == 1 && (c == '\\' || c == '/'))
                << "separator in the name";
            ASSERT_FALSE(c == '.' && pos > dirEnd + p.fileName.size())
                << "dot after the extension's";
        }
        ASSERT_EQ(sjis::Extension(path), p.ext);
    }
}

TEST_F(Fuzz, TruncationKeepsWholeCharactersAndComparisonFoldsOnlyAscii) {
    for (long i = 0; i < kIterations; ++i) {
        const ExactText text(Input());
        const std::string_view t = text.View();
        SCOPED_TRACE(std::string(t));
        const std::size_t max = Below(t.size() + 2);
        const std::string_view cut = sjis::TruncateChars(t, max);
        ASSERT_EQ(t.substr(0, cut.size()), cut);
        ASSERT_LE(cut.size(), max);
        ASSERT_TRUE(Boundaries(t)[cut.size()]);
        if (cut.size() < t.size()) {
            ASSERT_GT(cut.size() + sjis::CharLength(t, cut.size()), max);
        }

        std::string upper(t);
        for (std::size_t pos = 0; pos < upper.size(); pos += sjis::CharLength(upper, pos))
            if (upper[pos] >= 'a' && upper[pos] <= 'z' && sjis::CharLength(upper, pos) == 1)
                upper[pos] -= 32;
        ASSERT_TRUE(sjis::EqualsNoCase(t, upper));
        const ExactText other(Input());
        ASSERT_EQ(sjis::EqualsNoCase(t, other.View()), sjis::EqualsNoCase(other.View(), t));
    }
}

TEST_F(Fuzz, ClockFontRecordsRoundTrip) {
    for (long i = 0; i < kIterations; ++i) {
        const ExactText numbers(Input()), face(RandomText(60));
        SCOPED_TRACE(std::string(numbers.View()));
        const ClockFontRecord read = ParseClockFont(numbers.View(), face.View());
        ASSERT_LE(read.faceName.size(), kMaxFaceNameBytes);
        ASSERT_EQ(ParseClockFont(FormatClockFontNumbers(read), read.faceName), read);

        ClockFontRecord made;
        made.height = AnyInt();
        made.weight = AnyInt();
        made.charSet = static_cast<std::uint8_t>(Below(256));
        made.pitchAndFamily = static_cast<std::uint8_t>(Below(256));
        made.faceName = std::string(sjis::TruncateChars(RandomText(31), kMaxFaceNameBytes));
        ASSERT_EQ(ParseClockFont(FormatClockFontNumbers(made), made.faceName), made);
    }
}

TEST_F(Fuzz, KeyNamesGiveOnlyLettersAndFunctionKeys) {
    for (long i = 0; i < kIterations; ++i) {
        const ExactText text(Input());
        SCOPED_TRACE(std::string(text.View()));
        const int key = KeyNameToVirtualKey(text.View());
        ASSERT_TRUE(key == 0 || (key >= 'A' && key <= 'Z') || (key >= 0x70 && key <= 0x7C)) << key;
    }
    for (char c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(KeyNameToVirtualKey(std::string(1, c)), c);
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(KeyNameToVirtualKey("F" + std::to_string(n)), 0x6F + n);
}

TEST_F(Fuzz, NumericFieldsStayInTheirRange) {
    for (long i = 0; i < kIterations; ++i) {
        const ExactText text(Input());
        SCOPED_TRACE(std::string(text.View()));
        int low = AnyInt(), high = AnyInt();
        if (low > high) std::swap(low, high);
        const IntFieldResult r = ParseIntField(text.View(), Below(2) == 0, low, high);
        if (r.error == IntFieldError::None) {
            ASSERT_TRUE(r.value >= low && r.value <= high);
        }
    }
}

TEST_F(Fuzz, StoredRecordsReadWithinTheirClampsAndRoundTrip) {
    LauncherStore store(std::make_unique<MemoryRegistry>());
    store.Profile().SetRegistryKey("Quenlow", "Lumeq");
    ProfileStore& profile = store.Profile();
    for (long i = 0; i < kIterations / 4; ++i) {
        const std::string data = Input(), page = Input();
        SCOPED_TRACE(data + " | " + page);
        profile.WriteString(PageSection(1), "Data", data);
        profile.WriteInt(PageSection(1), "Num", AnyInt());
        PageSetup setup;
        store.LoadPageSetup(1, setup);
        ASSERT_GE(setup.ButtonCount, 0);
        ASSERT_GE(setup.LineCount, 1);
        ASSERT_TRUE(setup.ButtonSize >= 15 && setup.ButtonSize <= 50);
        ASSERT_GE(setup.IconFlags, 0);
        store.SavePageSetup(2, setup);
        PageSetup again;
        store.LoadPageSetup(2, again);
        ASSERT_EQ(again, setup);

        profile.WriteString(kSettingSection, "Page", page);
        const BarSettings s = LoadBarSettings(store);
        ASSERT_TRUE(s.curPage >= 1 && s.pageCount >= 1);
        SavePageState(profile, s.curPage, s.pageCount);
        const BarSettings back = LoadBarSettings(store);
        ASSERT_TRUE(back.curPage == s.curPage && back.pageCount == s.pageCount);

        ButtonEntry entry{RandomText(20), Input(), RandomText(20), RandomText(20),
                          AnyInt(),       Input(), AnyInt()};
        for (std::string* t :
             {&entry.Title, &entry.AppName, &entry.Dir, &entry.Parm, &entry.IconFile})
            t->erase(std::remove(t->begin(), t->end(), '\0'), t->end());  // REG_SZ ends at a NUL
        store.SaveButton(1, 1, entry);
        ButtonEntry loaded;
        store.LoadButton(1, 1, loaded);
        ASSERT_EQ(loaded, entry);

        const std::uint32_t color = static_cast<std::uint32_t>(Below(0x1000000));
        ASSERT_EQ(ParseColor(FormatColor(color)), color);
    }
}

}  // namespace
