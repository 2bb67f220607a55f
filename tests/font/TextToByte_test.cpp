#include "TextToByte.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace ledfont {
namespace {

struct GoodCase {
    std::string text;
    int expected;
};

class TextToByteAccepts : public ::testing::TestWithParam<GoodCase> {};

TEST_P(TextToByteAccepts, GivesTheByteTheTextNames) {
    EXPECT_EQ(TextToByte(GetParam().text), GetParam().expected) << "text \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(NumberForms, TextToByteAccepts,
                         ::testing::Values(GoodCase{"0", 0}, GoodCase{"255", 255}, GoodCase{"007", 7},
                                           GoodCase{" 7 ", 7}, GoodCase{"\t12\t", 12}, GoodCase{"&H1F", 31},
                                           GoodCase{"&hff", 255}, GoodCase{"&H0", 0}, GoodCase{"&H00FF", 255},
                                           GoodCase{"&hA", 10}, GoodCase{"-0", 0}, GoodCase{"+5", 5},
                                           GoodCase{"0000000000000000000001", 1}));

struct BadCase {
    std::string text;
    ErrorNumber number;
};

std::ostream& operator<<(std::ostream& os, const BadCase& c) {
    return os << "\"" << c.text << "\" -> " << static_cast<int>(c.number);
}

class TextToByteRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(TextToByteRefuses, RaisesTheTypedError) {
    const BadCase& c = GetParam();
    try {
        TextToByte(c.text);
        FAIL() << "accepted \"" << c.text << "\"";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), c.number) << e.Description();
        if (c.number == ErrorNumber::Overflow)
            EXPECT_NE(dynamic_cast<const OverflowError*>(&e), nullptr);
        else
            EXPECT_NE(dynamic_cast<const TypeMismatchError*>(&e), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    OutsideTheByteRange, TextToByteRefuses,
    ::testing::Values(BadCase{"-1", ErrorNumber::Overflow}, BadCase{"256", ErrorNumber::Overflow},
                      BadCase{"-255", ErrorNumber::Overflow}, BadCase{"&H100", ErrorNumber::Overflow},
                      BadCase{"&HFFF", ErrorNumber::Overflow}, BadCase{"99999999999", ErrorNumber::Overflow},
                      BadCase{"99999999999999999999999999999999", ErrorNumber::Overflow}));

INSTANTIATE_TEST_SUITE_P(
    NotANumber, TextToByteRefuses,
    ::testing::Values(BadCase{"", ErrorNumber::TypeMismatch}, BadCase{" ", ErrorNumber::TypeMismatch},
                      BadCase{"&H", ErrorNumber::TypeMismatch}, BadCase{"&h ", ErrorNumber::TypeMismatch},
                      BadCase{"&HG", ErrorNumber::TypeMismatch}, BadCase{"&H 1", ErrorNumber::TypeMismatch},
                      BadCase{"1.5", ErrorNumber::TypeMismatch}, BadCase{"abc", ErrorNumber::TypeMismatch},
                      BadCase{"1e2", ErrorNumber::TypeMismatch}, BadCase{"12a", ErrorNumber::TypeMismatch},
                      BadCase{"1 2", ErrorNumber::TypeMismatch}, BadCase{"0x10", ErrorNumber::TypeMismatch},
                      BadCase{"1,000", ErrorNumber::TypeMismatch}, BadCase{"+", ErrorNumber::TypeMismatch},
                      BadCase{"-", ErrorNumber::TypeMismatch},
                      BadCase{std::string("\0", 1), ErrorNumber::TypeMismatch},
                      BadCase{std::string("1\0", 2), ErrorNumber::TypeMismatch},
                      BadCase{"\xC3\xA9", ErrorNumber::TypeMismatch},
                      BadCase{"\xFF", ErrorNumber::TypeMismatch}));

TEST(TextToByte, EveryDecimalByteReadsBack) {
    for (int v = 0; v <= 255; ++v) EXPECT_EQ(TextToByte(std::to_string(v)), v);
}

TEST(TextToByte, EveryHexadecimalByteReadsBackInBothCases) {
    for (int v = 0; v <= 255; ++v) {
        char upper[8];
        char lower[8];
        std::snprintf(upper, sizeof upper, "&H%X", static_cast<unsigned>(v));
        std::snprintf(lower, sizeof lower, "&h%02x", static_cast<unsigned>(v));
        EXPECT_EQ(TextToByte(upper), v) << upper;
        EXPECT_EQ(TextToByte(lower), v) << lower;
    }
}

TEST(TextToByte, JustPastEitherEndOverflows) {
    for (const char* text : {"256", "257", "1000", "-1", "-2", "&H100", "&H1FF"})
        EXPECT_THROW(TextToByte(text), OverflowError) << text;
}

TEST(TextToByte, DescriptionQuotesTheRefusedText) {
    for (const auto& [text, description] : {std::pair{"abc", "\"abc\" is not a number [Type mismatch]"},
                                            std::pair{" 256", "\" 256\" is outside 0 to 255 [Overflow]"}}) {
        try {
            TextToByte(text);
            ADD_FAILURE() << text;
        } catch (const Error& e) {
            EXPECT_EQ(e.Description(), description);
        }
    }
}

}  // namespace
}  // namespace ledfont
