#include "shell/StrBox.h"

#include <gtest/gtest.h>

namespace {
constexpr unsigned char Currency = 164;
const std::string Sep(1, static_cast<char>(Currency));
} // namespace

TEST(StrBox, SplitsAtTheFirstAndAfterTheLastSeparator) {
    EXPECT_EQ(TextBeforeSeparator("1" + Sep + "17", Currency), "1");
    EXPECT_EQ(TextAfterLastSeparator("1" + Sep + "17", Currency), "17");
    const std::string three = "a" + Sep + "b" + Sep + "c";
    EXPECT_EQ(TextBeforeSeparator(three, Currency), "a");
    EXPECT_EQ(TextAfterLastSeparator(three, Currency), "c");
}

TEST(StrBox, MissingOrEdgeSeparatorGivesEmptyText) {
    EXPECT_EQ(TextBeforeSeparator("abc", Currency), "");
    EXPECT_EQ(TextAfterLastSeparator("abc", Currency), "");
    EXPECT_EQ(TextBeforeSeparator(Sep + "abc", Currency), "");
    EXPECT_EQ(TextAfterLastSeparator("abc" + Sep, Currency), "");
    EXPECT_EQ(TextAfterLastSeparator(Sep + "abc", Currency), "abc");
    EXPECT_EQ(TextBeforeSeparator("abc" + Sep, Currency), "abc");
}

TEST(StrBox, ComparesBytesNotCharacters) {
    // 0xA4 inside a UTF-8 sequence still counts as the separator: texts are single-byte.
    EXPECT_EQ(TextBeforeSeparator("x\xC2\xA4y", Currency), "x\xC2");
    EXPECT_EQ(TextBeforeSeparator("x\xA5y", Currency), "");
}

TEST(StrBox, ReverseText) {
    EXPECT_EQ(ReverseText(""), "");
    EXPECT_EQ(ReverseText("a"), "a");
    EXPECT_EQ(ReverseText("ab\xA4"
                          "c"),
              "c\xA4"
              "ba");
}
