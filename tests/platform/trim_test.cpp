#include "platform/trim.h"

#include <gtest/gtest.h>

#include "tests/search/case_name.h"

namespace lumetta {
namespace {

struct TrimCase {
  const char* name;
  const char* text;
  // What TrimSpaces, TrimSpacesAndIdeographicSpaces and TrimWhitespace leave.
  const char* spaces;
  const char* ideographic;
  const char* whitespace;
  friend void PrintTo(const TrimCase& c, std::ostream* os) { *os << c.name; }
};

class TrimTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, EachHelperCutsItsOwnBlanksFromTheEnds) {
  EXPECT_EQ(TrimSpaces(GetParam().text), GetParam().spaces);
  EXPECT_EQ(TrimSpacesAndIdeographicSpaces(GetParam().text), GetParam().ideographic);
  EXPECT_EQ(TrimWhitespace(GetParam().text), GetParam().whitespace);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrimTest,
    testing::Values(
        TrimCase{"Bare", "abc", "abc", "abc", "abc"}, TrimCase{"Empty", "", "", "", ""},
        TrimCase{"Spaces", "  a.example  ", "a.example", "a.example", "a.example"},
        TrimCase{"OnlySpaces", "     ", "", "", ""},
        TrimCase{"Tabs", "\ta.example\t", "\ta.example\t", "\ta.example\t", "a.example"},
        TrimCase{"SpacesAroundTabs", " \t a b \t ", "\t a b \t", "\t a b \t", "a b"},
        TrimCase{"OnlyIdeographic", "\u3000\u3000", "\u3000\u3000", "", ""},
        TrimCase{"Ideographic", "\u3000abc\u3000", "\u3000abc\u3000", "abc", "abc"},
        TrimCase{"IdeographicBeforeText", "\u3000x", "\u3000x", "x", "x"},
        TrimCase{"MixedKeepsInner", " \u3000 a b\u3000c \u3000 ", "\u3000 a b\u3000c \u3000",
                 "a b\u3000c", "a b\u3000c"},
        TrimCase{"NoBreakSpaces", "\u00a0abc\u00a0", "\u00a0abc\u00a0", "\u00a0abc\u00a0", "abc"},
        TrimCase{"OtherBlanks", "\u2002abc\n", "\u2002abc\n", "\u2002abc\n", "abc"},
        TrimCase{"LineEnds", "\r\n收藏夹\r\n", "\r\n收藏夹\r\n", "\r\n收藏夹\r\n", "收藏夹"},
        // Not blanks: a zero-width space, and the bytes of a GBK "搜索" (no UTF-8).
        TrimCase{"ZeroWidthSpaces", "\u200bx\u200b", "\u200bx\u200b", "\u200bx\u200b",
                 "\u200bx\u200b"},
        TrimCase{"GbkBytes", " \xCB\xD1\xCB\xF7 ", "\xCB\xD1\xCB\xF7", "\xCB\xD1\xCB\xF7",
                 "\xCB\xD1\xCB\xF7"},
        // An ideographic space cut short is no blank.
        TrimCase{"BrokenCharacter", " x\xE3\x80", "x\xE3\x80", "x\xE3\x80", "x\xE3\x80"}),
    test::CaseName<TrimCase>);

TEST(TrimWhitespaceTest, FromOneEnd) {
  EXPECT_EQ(TrimLeadingWhitespace("\u3000\t 网址 \t"), "网址 \t");
  EXPECT_EQ(TrimTrailingWhitespace("\u3000\t 网址 \t"), "\u3000\t 网址");
}

}  // namespace
}  // namespace lumetta
