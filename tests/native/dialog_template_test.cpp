// The size of a dialog template, read from its stored bytes.

#include <gtest/gtest.h>

#include <vector>

#include "win/dialog_template.h"

namespace {

using Bytes = std::vector<unsigned char>;

// The classic form up to its size: style, extended style, items, x, y; the
// extended one starts with version 1, the signature, the help id.
const Bytes kClassic = {0xC0, 0, 0xC8, 0x80, 0, 0, 0, 0, 3, 0, 5, 0, 6, 0, 212, 0, 188, 0};
const Bytes kExtended = {1, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0,    0,    0,   0x44,
                         0, 0, 0x50, 9,    0, 5, 0, 6, 0, 0x2C, 0x01, 188, 0};

TEST(DialogTemplateTest, BothFormsGiveTheirSizeAndBadBytesNone) {
    Bytes negative = kExtended;
    negative[23] = 0xFF;
    const struct {
        const char* name;
        Bytes bytes;
        std::optional<TemplateSize> size;
    } rows[] = {
        {"classic", kClassic, TemplateSize{212, 188}},
        {"extended", kExtended, TemplateSize{300, 188}},
        {"classic, one byte short", Bytes(kClassic.begin(), kClassic.end() - 1), std::nullopt},
        {"extended, one byte short", Bytes(kExtended.begin(), kExtended.end() - 1), std::nullopt},
        {"negative width", negative, std::nullopt},
        {"nothing", Bytes{}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadTemplateSize(row.bytes.data(), row.bytes.size()), row.size);
    }
}

}  // namespace
