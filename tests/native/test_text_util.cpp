#include "app/text_util.h"

#include <gtest/gtest.h>

#include <string>

TEST(TrimSpaces, RemovesOnlyBlanksAtBothEnds) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"  Serrow  ", "Serrow"}, {"Serrow", "Serrow"},     {"   ", ""},
        {"", ""},                 {"\tSerrow ", "\tSerrow"}, {" a b ", "a b"},
    };
    for (const Case& c : cases) {
        std::string buffer = c.in;
        TrimSpaces(buffer.data());
        EXPECT_STREQ(buffer.c_str(), c.out) << "input [" << c.in << "]";
    }
}

TEST(UpperCaseAscii, ChangesOnlyLettersAToZ) {
    char text[] = "draskel (metric) \xe4x_1";
    UpperCaseAscii(text);
    EXPECT_STREQ(text, "DRASKEL (METRIC) \xe4X_1");
}

TEST(EqualNoCase, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(EqualNoCase("OLD HAVRIN", "Old Havrin"));
    EXPECT_FALSE(EqualNoCase("Old Havrin ", "Old Havrin"));
    EXPECT_FALSE(EqualNoCase("\xc4", "\xe4"));
}

TEST(CopyText, CutsToTheBufferAndSaysSo) {
    char small[5];
    EXPECT_EQ(CopyText(small, sizeof small, "abcdefg"), 0);
    EXPECT_STREQ(small, "abcd");
    EXPECT_EQ(CopyText(small, sizeof small, "abcd"), 1);
    EXPECT_STREQ(small, "abcd");
}
