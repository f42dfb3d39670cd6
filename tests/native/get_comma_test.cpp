#include "config/get_comma.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(GetComma, CommasCountFromOneAndNoneLiesBeyondTheLast) {
    CGetComma list("1,34,,7");
    EXPECT_EQ(list.FindComma(0), -1);
    EXPECT_EQ(list.FindComma(-2), -1);
    EXPECT_EQ(list.FindComma(1), 1);
    EXPECT_EQ(list.FindComma(2), 4);
    EXPECT_EQ(list.FindComma(3), 5);
    EXPECT_EQ(list.FindComma(4), -1);
    EXPECT_EQ(CGetComma("").FindComma(1), -1);
}

struct Row {
    const char* text;
    int index;
    int value;
};

TEST(GetComma, MissingOrNonNumericValuesReadAsZero) {
    const Row rows[] = {
        {"1,34", 0, 1},   {"1,34", 1, 34},    {"1,34", 2, 0},     {"1,34", 3, 0},
        {",7", 0, 0},     {",7", 1, 7},       {"5", 0, 5},        {"5", 1, 0},
        {"", 0, 0},       {"", 5, 0},         {"12x,3", 0, 12},   {"a,b", 0, 0},
        {"a,b", 1, 0},    {"0,99,-5", 2, -5}, {" 4, 5", 1, 5},    {"1,,3", 1, 0},
        {"1,,3", 2, 3},   {"1,2,", 2, 0},     {"1,2", -1, 0},     {"1,2", INT_MAX, 0},
        {"1,2", INT_MIN, 0},
        {"3,99999999999999999999", 1, INT_MAX},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.text) + " #" + std::to_string(r.index));
        EXPECT_EQ(CGetComma(r.text).GetValue(r.index), r.value);
    }
}

TEST(GetComma, SetStringReplacesTheCopy) {
    CGetComma list;
    EXPECT_EQ(list.GetValue(0), 0);
    std::string text = "8,9";
    list.SetString(text);
    text = "1,1";
    EXPECT_EQ(list.GetValue(1), 9);
    list.SetString("4");
    EXPECT_EQ(list.GetValue(0), 4);
    EXPECT_EQ(list.GetValue(1), 0);
}

}  // namespace
