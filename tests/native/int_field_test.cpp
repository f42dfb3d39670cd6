// Which message a numeric field's text gets: the rules behind the dialogs'
// three standard refusals.

#include <gtest/gtest.h>

#include <cstdint>

#include "core/int_field.h"

namespace {

struct Row {
    const char* text;
    bool isSigned;
    IntFieldError error;
    int value;
};

TEST(IntFieldTest, TextsAreReadOrRefusedWithTheRightReason) {
    using E = IntFieldError;
    const Row rows[] = {
        {"34", false, E::None, 34},
        {"15", false, E::None, 15},
        {"50", false, E::None, 50},
        {"  20 ", false, E::None, 20},
        {"0034", false, E::None, 34},
        {"14", false, E::OutOfRange, 0},
        {"51", false, E::OutOfRange, 0},
        {"", false, E::NotPositiveInteger, 0},
        {"   ", false, E::NotPositiveInteger, 0},
        {"\t20\t", false, E::None, 20},
        {"\t", false, E::NotPositiveInteger, 0},
        {"-20", false, E::NotPositiveInteger, 0},
        {"+20", false, E::NotPositiveInteger, 0},
        {"2x", false, E::NotPositiveInteger, 0},
        {"/", false, E::NotPositiveInteger, 0},  // beside '0'
        {":", false, E::NotPositiveInteger, 0},  // beside '9'
        {"２０", false, E::NotPositiveInteger, 0},
        {"99999999999999999999", false, E::OutOfRange, 0},
        {"-5", true, E::None, -5},
        {"+7", true, E::None, 7},
        {"-", true, E::NotInteger, 0},
        {"", true, E::NotInteger, 0},
        {"1 2", true, E::NotInteger, 0},
        {"--1", true, E::NotInteger, 0},
        {"-6", true, E::OutOfRange, 0},
        {"-99999999999999999999", true, E::OutOfRange, 0},
        {"4294967311", true, E::OutOfRange, 0},  // 2^32 + 15 must not wrap to 15
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const int low = row.isSigned ? -5 : 15;
        const IntFieldResult r = ParseIntField(row.text, row.isSigned, low, 50);
        EXPECT_EQ(r.error, row.error);
        if (row.error == E::None) {
            EXPECT_EQ(r.value, row.value);
        }
    }
}

TEST(IntFieldTest, WholeIntRangeIsReachable) {
    EXPECT_EQ(ParseIntField("-2147483648", true, INT32_MIN, INT32_MAX).value, INT32_MIN);
    EXPECT_EQ(ParseIntField("2147483647", true, INT32_MIN, INT32_MAX).value, INT32_MAX);
    EXPECT_EQ(ParseIntField("2147483648", true, INT32_MIN, INT32_MAX).error,
              IntFieldError::OutOfRange);
}

TEST(IntFieldTest, MessagesNameTheRange) {
    EXPECT_EQ(IntFieldMessage(IntFieldError::OutOfRange, 15, 50),
              "15 から 50 までの整数を入力してください。");
    EXPECT_EQ(IntFieldMessage(IntFieldError::OutOfRange, -10, 10),
              "-10 から 10 までの整数を入力してください。");
    EXPECT_EQ(IntFieldMessage(IntFieldError::NotInteger, 1, 2), "整数を入力してください。");
    EXPECT_EQ(IntFieldMessage(IntFieldError::NotPositiveInteger, 1, 2),
              "正の整数を入力してください。");
    EXPECT_EQ(IntFieldMessage(IntFieldError::None, 1, 2), "");
}

}  // namespace
