// The size of a dialog template, read from its stored bytes.

#include <gtest/gtest.h>

#include <vector>

#include "win/dialog_template.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A classic template up to its size: style, extended style, items, x, y.
Bytes Classic(unsigned char cxLow, unsigned char cxHigh, unsigned char cyLow) {
    return {0xC0, 0x00, 0xC8, 0x80, 0, 0, 0, 0, 3, 0, 5, 0, 6, 0, cxLow, cxHigh, cyLow, 0};
}

// An extended one: version 1, signature, help id, extended style, style,
// items, x, y.
Bytes Extended(unsigned char cxLow, unsigned char cxHigh, unsigned char cyLow) {
    return {1, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0,     0,      0,     0x44,
            0, 0, 0x50, 9,    0, 5, 0, 6, 0, cxLow, cxHigh, cyLow, 0};
}

Bytes Cut(Bytes bytes) {
    bytes.pop_back();
    return bytes;
}

TEST(DialogTemplateTest, BothFormsGiveTheirSizeAndBadBytesNone) {
    const struct {
        const char* name;
        Bytes bytes;
        std::optional<TemplateSize> size;
    } rows[] = {
        {"classic", Classic(212, 0, 188), TemplateSize{212, 188}},
        {"extended", Extended(212, 0, 188), TemplateSize{212, 188}},
        {"extended, wide", Extended(0x2C, 0x01, 0), TemplateSize{300, 0}},
        {"classic, one byte short", Cut(Classic(212, 0, 188)), std::nullopt},
        {"extended, one byte short", Cut(Extended(212, 0, 188)), std::nullopt},
        {"negative width", Extended(0xFF, 0xFF, 10), std::nullopt},
        {"nothing", Bytes{}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadTemplateSize(row.bytes.data(), row.bytes.size()), row.size);
    }
    EXPECT_EQ(ReadTemplateSize(nullptr, 26), std::nullopt);
}

}  // namespace
